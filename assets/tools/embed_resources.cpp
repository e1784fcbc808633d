// Writes the C++ source that carries the game's resources inside the program:
// one byte array a resource and the name table that EmbeddedResources()
// searches.
//
//   embed_resources OUTPUT.cpp NAME FILE [NAME FILE ...]
//
// Runs on the build machine as part of the build.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool IsResourceName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name) {
    bool ok =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp NAME FILE [NAME FILE ...]\n", argv[0]);
    return 2;
  }
  const std::string outputPath = argv[1];

  std::ostringstream out;
  out << "// Written by embed_resources from the resource list in assets/CMakeLists.txt.\n"
         "#include \"assets/embedded_resource_table.h\"\n\n"
         "namespace quorvil {\n\nnamespace {\n\n";
  std::vector<std::string> names;
  std::vector<size_t> sizes;
  for (int i = 2; i < argc; i += 2) {
    const std::string name = argv[i], path = argv[i + 1];
    if (!IsResourceName(name)) {
      std::fprintf(stderr, "%s: resource name \"%s\" is not an identifier\n", argv[0],
                   name.c_str());
      return 1;
    }
    // Names are looked up without regard to case, so they must differ by more.
    for (const std::string& earlier : names) {
      if (Lower(earlier) == Lower(name)) {
        std::fprintf(stderr, "%s: resource %s is listed twice\n", argv[0], name.c_str());
        return 1;
      }
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "%s: cannot read %s for resource %s\n", argv[0], path.c_str(),
                   name.c_str());
      return 1;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) {
      std::fprintf(stderr, "%s: error reading %s\n", argv[0], path.c_str());
      return 1;
    }

    // An empty file still gets one byte, as C++ has no empty arrays; the
    // table's size says 0.
    out << "// " << name << " from " << path << "\n"
        << "alignas(8) const uint8_t kResource" << names.size() << "[] = {";
    for (size_t k = 0; k < bytes.size(); ++k) {
      if (k % 24 == 0) out << "\n   ";
      out << ' ' << unsigned(bytes[k]) << ',';
    }
    if (bytes.empty()) out << "0";
    out << "\n};\n\n";
    names.push_back(name);
    sizes.push_back(bytes.size());
  }

  out << "}  // namespace\n\n"
         "const EmbeddedResourceEntry kEmbeddedResourceTable[] = {\n";
  for (size_t i = 0; i < names.size(); ++i)
    out << "    {\"" << names[i] << "\", kResource" << i << ", " << sizes[i] << "},\n";
  out << "    {nullptr, nullptr, 0},\n};\n\n"
      << "const size_t kEmbeddedResourceCount = " << names.size() << ";\n\n"
      << "}  // namespace quorvil\n";

  // Written beside the target and moved into place, so that a failed run
  // never leaves a half-written source that looks up to date.
  const std::string temporaryPath = outputPath + ".tmp";
  {
    std::ofstream file(temporaryPath, std::ios::binary | std::ios::trunc);
    const std::string text = out.str();
    file.write(text.data(), std::streamsize(text.size()));
    if (!file) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], temporaryPath.c_str());
      return 1;
    }
  }
  if (std::rename(temporaryPath.c_str(), outputPath.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot move %s into place\n", argv[0], outputPath.c_str());
    return 1;
  }
  return 0;
}
