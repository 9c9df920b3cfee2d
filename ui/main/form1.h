#pragma once

#include "engine/conversion_run.h"

#include <QMainWindow>
#include <QList>
#include <QPointer>

#include <chrono>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;

namespace velandry {

class BackgroundRun;
class MessageBoxes;
class ShellServices;
class frmAbout;
struct ConversionReport;
struct ConversionRequest;
struct MusicPlan;
struct PlanReport;

// The main window: picks the playlists, the media type and the folders, and
// converts the queue.
class Form1 final : public QMainWindow
{
    Q_OBJECT

public:
    Form1(ShellServices &shell, MessageBoxes &messages, QWidget *parent = nullptr);
    ~Form1() override;

    // Ends the program: every window goes, the About window in any state too.
    void endProgram();

    // The About window while it exists, shown or hidden.
    frmAbout *aboutWindow() const;

    ConversionRequest conversionRequest() const;

    // Queues playlists named by their paths, as opening them from the desktop
    // or dropping them on the window does: their folder becomes the playlist
    // folder, and each is selected and moved to the queue as ">>" would. One
    // that is not a readable playlist in that folder is refused with a message
    // naming it.
    void openPlaylists(const QStringList &paths);

    // How long a run goes before its progress dialog shows (one second).
    void setProgressDelay(std::chrono::milliseconds delay);

    // What encodes the music the device cannot play, where the window offers
    // to; none: it is not offered. `jobs` files are encoded at once.
    void setEncoder(const AudioEncoder *encoder, int jobs);

    // A run goes on beside the window; runEnded() follows, once its outcome
    // is shown.
    bool isRunning() const;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void CmdFind_Click();
    void Command5_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

Q_SIGNALS:
    void runEnded();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The controls, under the names they carry as object names too.
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *txtPlaylistLoc = nullptr;
    QLineEdit *txtOutputLoc = nullptr;
    QLineEdit *txtMediaLoc = nullptr;
    QComboBox *cmbFileType = nullptr;
    QListWidget *File1 = nullptr;
    QListWidget *ListBox2 = nullptr;
    QPushButton *CmdFind = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QFrame *Line1 = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuAbout = nullptr;

    void createControls();
    void placeControls();
    void sizeLabels();
    // A place given from the window's left edge, where the window shows it.
    QRect mirrored(const QRect &designed) const;
    bool textsFit() const;
    void createMenus();
    void pointFileList(const QString &folder);
    // The playlist's file name, which its text shows.
    static QString playlistName(const QListWidgetItem *item);
    // What the media type box shows until a type is chosen.
    static QString mediaTypePlaceholder();
    void chooseFolder(QLineEdit *field, const QString &title);
    void conversionEnded(const ConversionReport &report);
    void offerTheMusic(const ConversionReport &report);
    void musicEnded(const QList<MusicPlan> &plans, const QList<PlanReport> &reports);
    void encodingPlanned(const ConversionReport &report);
    // Whether the music of a playlist written to a card can be encoded.
    bool offersEncoding(const PlaylistResult &result) const;
    // The plans carried out where they fit their cards; else why not, and
    // with `leftOut` what they leave out.
    void carryOutWhereItFits(const QList<MusicPlan> &plans, bool leftOut);
    void runOver();

    ShellServices &shell_;
    MessageBoxes &messages_;
    QPointer<frmAbout> about_;
    BackgroundRun *run_ = nullptr;
    QString outputFallback_;     // the output field's start-up text where no playlist folder was found
    bool closeAfterRun_ = false; // the window was closed during the run
    bool fittingFont_ = false;
    QList<PlaylistResult> converted_; // of the run whose music is offered, for what it still lacks
    const AudioEncoder *encoder_ = nullptr;
    int jobs_ = 1;
    // While the playlists with music to encode are written again: the plans
    // of the run before, which the new ones join, and what was answered.
    struct Encoding
    {
        QList<MusicPlan> plans;
        bool replacing = false; // the files whose sources changed are made again
        bool removing = false;  // the music no playlist names is removed
    };
    std::optional<Encoding> encodingAfter_;
};

} // namespace velandry
