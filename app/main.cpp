#include <QApplication>
#include <QIcon>

#include "Fonts.h"
#include "GameState.h"
#include "Pictures.h"
#include "Slot.h"

int main(int argc, char* argv[]) {
  // The sound library would otherwise take over SIGINT and SIGTERM and turn
  // them into events nobody reads, so the program could not be stopped.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(ProductTitle));
  InstallFontSubstitutes();
  InitPictures();
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(IconPicture)));

  TForm1 form(SlotEnvironment::Standard());
  form.CreatePayoffChart();
  form.show();
  return QApplication::exec();
}
