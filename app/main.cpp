#include <QApplication>

#include "Application.h"
#include "Slot.h"

int main(int argc, char* argv[]) {
  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();

  TForm1 form(SlotEnvironment::Standard());
  form.CreatePayoffChart();
  form.show();
  return QApplication::exec();
}
