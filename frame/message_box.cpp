#include "frame/message_box.h"

#include <windows.h>

#include "frame/app.h"

namespace frame {

void MsgBox(const std::wstring& prompt, int style, std::optional<std::wstring> title) {
  // The box belongs to the window that asked, as a system dialog's box does: it has no taskbar
  // button, and closing it activates that window again. No other window takes input meanwhile.
  const std::wstring caption = title.value_or(kApplicationTitle);
  HWND owner = ModalOwner();
  OthersDisabled othersWait(owner);
  MessageBoxW(owner, prompt.c_str(), caption.c_str(),
              static_cast<UINT>(style) | MB_APPLMODAL | MB_SETFOREGROUND);
}

}  // namespace frame
