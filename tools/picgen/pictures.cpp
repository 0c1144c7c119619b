#include "pictures.h"

#include "tools/picgen/close_program_picture.h"
#include "tools/picgen/not_responding_picture.h"
#include "tools/picgen/shut_down_picture.h"

namespace picgen {

std::vector<PictureFile> DrawAllPictures(const DialogFont& font) {
  return {
      {"screens/close_program/close_program.bmp",
       EncodeBmp8(close_program::DrawCloseProgramPicture(font), close_program::kPictureColors)},
      {"screens/close_program/application.ico", EncodeIco4(close_program::DrawApplicationIcon())},
      {"screens/not_responding/not_responding.bmp",
       EncodeBmp24(not_responding::DrawNotRespondingPicture(font))},
      {"screens/shut_down/shut_down.ico", EncodeIco4(shut_down::DrawShutDownIcon())},
  };
}

}  // namespace picgen
