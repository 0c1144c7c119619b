#include "pictures.h"

#include "screens/close_program/pictures.h"

namespace picgen {

std::vector<PictureFile> DrawAllPictures(const DialogFont& font) {
  return {
      {"screens/close_program/close_program.bmp",
       EncodeBmp8(close_program::DrawCloseProgramPicture(font), close_program::kPictureColors)},
      {"screens/close_program/application.ico", EncodeIco4(close_program::DrawApplicationIcon())},
  };
}

}  // namespace picgen
