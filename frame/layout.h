// Layout descriptions: each screen's design-time description of itself and its controls.
// Positions and sizes are in twips; pictures and icons are named resources holding whole files.
#pragma once

#include <span>
#include <string_view>

namespace frame {

enum class ControlKind { kCommandButton, kListBox, kLabel, kOptionButton, kPictureBox, kTimer };

enum class Border {
  kFixedSingle,  // one-pixel border, not resizable
  kFixedDialog,  // dialog frame, not resizable
};

enum class StartPosition {
  kManual,          // the designed position
  kCenterScreen,    // centred on the display
  kWindowsDefault,  // where the system puts a new window
};

// A system colour index (COLOR_*) or kDefaultColor for the control's own.
inline constexpr int kDefaultColor = -1;

struct FontDescription {
  const wchar_t* face;
  double points;
  int weight;
  int charset;
};

struct ControlLayout {
  ControlKind kind;
  const wchar_t* name;
  int id;  // place in the layout, from 1
  int left = 0, top = 0, width = 0, height = 0;
  const wchar_t* caption = L"";
  int tabIndex = -1;
  bool isDefault = false;  // command button: pressed by Enter
  // Command button whose answer is real: only a press given knowingly on the screen counts.
  bool answersOnlyWhenSeen = false;
  bool value = false;  // option button: selected at load
  int interval = 0;    // timer, in milliseconds
  // Timer whose tick ends the program: it keeps that promise even while an error is reported.
  bool endsProgram = false;
  bool enabled = true;
  int backColor = kDefaultColor;
  int foreColor = kDefaultColor;
  const FontDescription* font = nullptr;  // nullptr: the screen's font
  const wchar_t* picture = nullptr;       // picture box: an ICO resource
};

struct ScreenLayout {
  const wchar_t* caption;
  Border border;
  bool controlBox;  // the system menu and its close box
  bool showInTaskbar;
  int clientWidth, clientHeight;
  StartPosition startPosition;
  int clientLeft = 0, clientTop = 0;  // for kManual
  const wchar_t* picture = nullptr;   // a BMP resource drawn at the client area's top left
  const wchar_t* icon = nullptr;      // an ICO resource
  // Input typed or clicked ahead, before the screen showed, is thrown away when it shows: for a
  // screen whose answer must be given knowingly.
  bool discardsTypeAhead = false;
  std::span<const ControlLayout> controls;
};

// A control's row in its screen's layout table, found while the program is compiled: a name that
// no row has, or a row of another kind than the control's, does not compile. Rows are bound as
// constants (constexpr variables), where every compiler evaluates the binding; MSVC is known to
// reject some immediate calls in default member initializers.
template <ControlKind K>
class LayoutRow {
 public:
  consteval LayoutRow(const ScreenLayout& screen, std::wstring_view name)
      : row_(&Find(screen.controls, name)) {}
  constexpr const ControlLayout& operator*() const { return *row_; }

 private:
  // Throwing here, at compile time, is what makes a wrong name or kind an error.
  static consteval const ControlLayout& Find(std::span<const ControlLayout> rows,
                                             std::wstring_view name) {
    for (const ControlLayout& row : rows) {
      if (name != row.name) continue;
      if (row.kind != K) throw "the layout row is of another kind";
      return row;
    }
    throw "no layout row has that name";
  }
  const ControlLayout* row_;
};

// MS Sans Serif 8, the frame's default for screens and controls.
inline constexpr FontDescription kDefaultFont{L"MS Sans Serif", 8.25, 400, 0};

}  // namespace frame
