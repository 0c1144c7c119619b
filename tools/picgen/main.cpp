// Draws every picture and icon of the screens and writes them as whole files beside their
// screens: picgen <font file> <source root>.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: picgen <sserife.fon> <source root>\n");
    return 2;
  }
  try {
    const picgen::DialogFont font(argv[1]);
    for (const picgen::PictureFile& file : picgen::DrawAllPictures(font)) {
      const std::filesystem::path path = std::filesystem::path(argv[2]) / file.path;
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(file.bytes.data()),
                static_cast<std::streamsize>(file.bytes.size()));
      if (!out) {
        std::fprintf(stderr, "picgen: cannot write %s\n", path.string().c_str());
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "picgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
