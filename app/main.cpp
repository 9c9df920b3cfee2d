#include "ui/main/form1.h"
#include "platform/message_boxes.h"
#include "platform/system_shell.h"
#include "wording/translations.h"
#include "ui/window_setup.h"

#include "engine/music/audio_encoder.h"

#include <QApplication>
#include <QThread>

int main(int argc, char *argv[])
{
    // Whole scale factors: at 150 % every control keeps all of its frame lines,
    // and the artwork drawn at twice the size shows sharp.
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velandry"));
    QApplication::setApplicationVersion(QStringLiteral(VELANDRY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELANDRY_APP_ID));
    // Before any window: a language that reads right to left mirrors them.
    velandry::installTranslations();
    velandry::provideTahoma();

    velandry::SystemShell shell;
    velandry::QtMessageBoxes messages;
    // The music the device cannot play is offered to be encoded, a file a
    // core at a time; the encoder outlives the window and its runs.
    const std::unique_ptr<velandry::AudioEncoder> encoder = velandry::makeAudioEncoder();
    velandry::Form1 window(shell, messages);
    window.setEncoder(encoder.get(), QThread::idealThreadCount());
    window.show();
    // Playlists opened with the program from the desktop or named on its command line.
    window.openPlaylists(QApplication::arguments().mid(1));
    return QApplication::exec();
}
