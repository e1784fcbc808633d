#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "assets/bitmap.h"
#include "assets/resource_catalog.h"

namespace quorvil {
namespace {

std::vector<std::string> PictureNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 15; ++n) names.push_back("ID_BITMAP" + std::to_string(n));
  names.push_back("ID_BITMAP_FILZ");
  names.push_back("ID_BITMAP_HOLZ");
  return names;
}

TEST(EmbeddedResourcesTest, CarriesAllSeventeenPicturesAt128By128) {
  for (const std::string& name : PictureNames()) {
    const auto bytes = EmbeddedResources().Find(name);
    ASSERT_TRUE(bytes.has_value()) << name;
    const Bitmap picture = Bitmap::Decode(*bytes, name);
    EXPECT_EQ(picture.Width(), 128) << name;
    EXPECT_EQ(picture.Height(), 128) << name;
  }
}

TEST(EmbeddedResourcesTest, FindsNamesWhateverTheirCase) {
  const auto exact = EmbeddedResources().Find("ID_BITMAP_FILZ");
  ASSERT_TRUE(exact.has_value());
  for (const char* spelling : {"id_bitmap_filz", "Id_Bitmap_Filz", "ID_BITMAP_filz"}) {
    const auto found = EmbeddedResources().Find(spelling);
    ASSERT_TRUE(found.has_value()) << spelling;
    EXPECT_EQ(found->data(), exact->data()) << spelling;
    EXPECT_EQ(found->size(), exact->size()) << spelling;
  }
}

// A name is matched whole: ID_BITMAP1 is not the start of ID_BITMAP10.
TEST(EmbeddedResourcesTest, MatchesWholeNamesOnly) {
  const auto one = EmbeddedResources().Find("ID_BITMAP1");
  const auto ten = EmbeddedResources().Find("ID_BITMAP10");
  ASSERT_TRUE(one && ten);
  EXPECT_NE(one->data(), ten->data());
  using namespace std::literals;
  for (std::string_view name : {""sv, "ID_BITMAP"sv, "ID_BITMAP0"sv, "ID_BITMAP16"sv,
                                "ID_BITMAP_FILZ "sv, "ID_BITMAP1\0"sv})
    EXPECT_FALSE(EmbeddedResources().Find(name).has_value()) << '"' << name << '"';
}

}  // namespace
}  // namespace quorvil
