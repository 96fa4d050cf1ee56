#include "sim/png_writer.h"

#include <fstream>

// The encoder is third-party code built into this one file only; its own
// warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wtype-limits"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}

}  // namespace

bool WritePanelPng(const std::string& path, const PanelImage& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  if (image.pixels.size() != count) return false;
  std::string rgb(count * 3, '\0');
  for (size_t i = 0; i < count; ++i) {
    rgb[3 * i] = static_cast<char>(image.pixels[i] >> 16);
    rgb[3 * i + 1] = static_cast<char>(image.pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<char>(image.pixels[i]);
  }
  std::string encoded;
  if (!stbi_write_png_to_func(AppendBytes, &encoded, image.width, image.height, 3, rgb.data(),
                              image.width * 3))
    return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(encoded.data(), static_cast<std::streamsize>(encoded.size()));
  file.close();
  return !file.fail();
}
