#include "screens/not_responding/form2.h"

#include "screens/close_program/form1.h"

frame::GlobalScreen<not_responding::NotRespondingForm> Form2;

namespace not_responding {

NotRespondingForm::NotRespondingForm() : Screen(kLayout) {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// Runs at the first showing only: later showings keep this first name.
void NotRespondingForm::Form_Load() {
  const int index = Form1->List1.ListIndex();
  if (index > -1) Label1.SetCaption(Form1->List1.List(index));
}

// "End Task" really ends the task: it leaves the Close Program screen's list.
void NotRespondingForm::Command1_Click() {
  const int index = Form1->List1.ListIndex();
  if (index > -1) Form1->List1.RemoveItem(index);
  Form2->Hide();
  Form1->Show();
}

void NotRespondingForm::Command2_Click() {
  Form2->Hide();
  Form1->Show();
}

}  // namespace not_responding
