// The list of picture files that the screens carry, each drawn and encoded.
#pragma once

#include <string>
#include <vector>

#include "encode.h"
#include "font.h"

namespace picgen {

struct PictureFile {
  std::string path;  // relative to the source root
  Bytes bytes;
};

std::vector<PictureFile> DrawAllPictures(const DialogFont& font);

}  // namespace picgen
