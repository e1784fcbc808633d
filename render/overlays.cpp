#include "render/overlays.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <initializer_list>

namespace quorvil {

namespace {

// Saves every GL setting the overlays change and sets those that decide how
// a picture lands in the colour buffer: one window pixel per image pixel,
// nothing tested, blended, fogged or textured on the way.
void BeginOverlayState(int clientWidth, int clientHeight) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0.0, clientWidth, 0.0, clientHeight);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  glViewport(0, 0, clientWidth, clientHeight);
  for (GLenum capability : {GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_BLEND,
                            GL_ALPHA_TEST, GL_FOG, GL_STENCIL_TEST, GL_SCISSOR_TEST,
                            GL_COLOR_LOGIC_OP, GL_DITHER}) {
    glDisable(capability);
  }
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glPixelZoom(1.0f, 1.0f);
  glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
  for (GLenum scale : {GL_RED_SCALE, GL_GREEN_SCALE, GL_BLUE_SCALE, GL_ALPHA_SCALE}) {
    glPixelTransferf(scale, 1.0f);
  }
  for (GLenum bias : {GL_RED_BIAS, GL_GREEN_BIAS, GL_BLUE_BIAS, GL_ALPHA_BIAS}) {
    glPixelTransferf(bias, 0.0f);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
}

void EndOverlayState() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopClientAttrib();
  // Restores the matrix mode, the raster position, the viewport and every
  // switch, colour and pixel setting above.
  glPopAttrib();
}

}  // namespace

void DrawImageAt(const RgbImage& image, int left, int top, int clientWidth, int clientHeight) {
  if (image.width <= 0 || image.height <= 0) return;
  // GL counts rows from the bottom: the picture's bottom row lands on this
  // window row.
  const long long bottom = (long long)clientHeight - top - image.height;
  const long long x0 = std::max<long long>(left, 0);
  const long long x1 = std::min<long long>((long long)left + image.width, clientWidth);
  const long long y0 = std::max<long long>(bottom, 0);
  const long long y1 = std::min<long long>(bottom + image.height, clientHeight);
  if (x0 >= x1 || y0 >= y1) return;

  // Hand GL the picture bottom row first, only the visible part of it. A
  // raster position inside the client area is always valid, so nothing is
  // lost when the picture reaches past an edge.
  const int visibleWidth = int(x1 - x0);
  const int visibleHeight = int(y1 - y0);
  const int skipLeft = int(x0 - left);
  std::vector<uint8_t> rows(size_t(visibleWidth) * size_t(visibleHeight) * 3);
  for (int r = 0; r < visibleHeight; ++r) {
    const long long glRow = y0 + r;
    const int imageRow = image.height - 1 - int(glRow - bottom);
    const uint8_t* source =
        &image.pixels[(size_t(imageRow) * size_t(image.width) + size_t(skipLeft)) * 3];
    std::copy(source, source + size_t(visibleWidth) * 3, &rows[size_t(r) * size_t(visibleWidth) * 3]);
  }
  // A quarter pixel in from the corner: the same window pixel whether the
  // GL rounds or truncates the raster position.
  glRasterPos2d(double(x0) + 0.25, double(y0) + 0.25);
  glDrawPixels(visibleWidth, visibleHeight, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
}

const RgbImage& Overlays::StatusImage(std::string_view text, int width) {
  if (!statusValid_ || statusText_ != text || statusImage_.width != width) {
    statusImage_ = ComposeStatusLine(text, width, rasterizer_);
    statusText_ = std::string(text);
    statusValid_ = true;
  }
  return statusImage_;
}

const RgbImage& Overlays::HelpImage(std::span<const std::string_view> lines) {
  const bool same = helpValid_ && std::equal(lines.begin(), lines.end(), helpLines_.begin(),
                                              helpLines_.end());
  if (!same) {
    helpImage_ = ComposeHelpPanel(lines, rasterizer_);
    helpLines_.assign(lines.begin(), lines.end());
    helpValid_ = true;
  }
  return helpImage_;
}

void Overlays::Draw(const OverlayContent& content, int clientWidth, int clientHeight) {
  if (clientWidth <= 0 || clientHeight <= 0) return;
  const RgbImage& status = StatusImage(content.statusText, clientWidth);
  const RgbImage* help = content.helpVisible ? &HelpImage(content.helpLines) : nullptr;

  BeginOverlayState(clientWidth, clientHeight);
  DrawImageAt(status, 0, clientHeight - status_line::kHeight, clientWidth, clientHeight);
  if (help != nullptr) DrawImageAt(*help, help_panel::kLeft, help_panel::kTop, clientWidth, clientHeight);
  EndOverlayState();
}

}  // namespace quorvil
