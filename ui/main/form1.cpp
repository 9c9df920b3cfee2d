#include "ui/main/form1.h"

#include "ui/main/background_run.h"
#include "engine/conversion_run.h"
#include "wording/conversion_wording.h"
#include "wording/music_wording.h"
#include "ui/main/form1_layout.h"
#include "ui/about/frm_about.h"
#include "platform/message_boxes.h"
#include "platform/shell_services.h"
#include "ui/window_setup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace velandry {

Form1::Form1(ShellServices &shell, MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shell_(shell), messages_(messages)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Windows Media Player Velandry"));
    setWindowIcon(applicationIcon());
    createMenus();
    createControls();
    placeControls();
    setFont(tahoma());
    centreFrameWhenShown(this);
    setAcceptDrops(true);
    run_ = new BackgroundRun(this);
    connect(run_, &BackgroundRun::converted, this, &Form1::conversionEnded);
    connect(run_, &BackgroundRun::carriedOut, this, &Form1::musicEnded);
    Form_Load();
}

QString Form1::mediaTypePlaceholder()
{
    //: Shown in the media type box until a type is chosen; a run refuses it. About 65 px of room at 96 DPI.
    return tr("Please select");
}

void Form1::setProgressDelay(std::chrono::milliseconds delay)
{
    run_->setDialogDelay(delay);
}

void Form1::setEncoder(const AudioEncoder *encoder, int jobs)
{
    encoder_ = encoder;
    jobs_ = qMax(1, jobs);
}

bool Form1::isRunning() const
{
    return run_->isRunning();
}

Form1::~Form1()
{
    delete about_.data();
}

void Form1::createMenus()
{
    mnuFile = named(menuBar()->addMenu(tr("&File")), "mnuFile");
    mnuExit = named(mnuFile->addAction(tr("&Exit")), "mnuExit");
    mnuHelp = named(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    mnuAbout = named(mnuHelp->addAction(tr("&About")), "mnuAbout");
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    //: A label before its field: at most 88 px wide at 96 DPI.
    Label3 = named(new QLabel(tr("Playlist Location :"), client), "Label3");
    txtPlaylistLoc = named(new QLineEdit(client), "txtPlaylistLoc");
    CmdFind = named(makeButton(QStringLiteral("..."), client), "CmdFind");
    //: A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.
    Label6 = named(new QLabel(tr("Playlist contains :"), client), "Label6");
    cmbFileType = named(new QComboBox(client), "cmbFileType");
    cmbFileType->setEditable(true);
    cmbFileType->setInsertPolicy(QComboBox::NoInsert);
    cmbFileType->setCompleter(nullptr); // what is typed is the type, letter for letter
    cmbFileType->addItems({QStringLiteral("WMA"), QStringLiteral("MP3"), QStringLiteral("WAV")});
    cmbFileType->setCurrentIndex(-1);
    cmbFileType->setEditText(mediaTypePlaceholder());
    cmbFileType->lineEdit()->setCursorPosition(0);
    //: The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.
    Label1 = named(new QLabel(tr("Window Media Player 9 Playlists"), client), "Label1");
    File1 = named(new QListWidget(client), "File1");
    File1->setSelectionMode(QAbstractItemView::MultiSelection);
    File1->setUniformItemSizes(true);
    // The arrows point the way they move entries. Where the window reads
    // right to left, the queue stands on the left, and the text's own
    // direction turns "<" and ">" round (they are mirrored characters).
    Command2 = named(makeButton(QStringLiteral(">>"), client), "Command2");
    Command4 = named(makeButton(QStringLiteral("<<"), client), "Command4");
    //: The heading of the queue: 161 px of room at 96 DPI.
    Label2 = named(new QLabel(tr("Playlists to be converted"), client), "Label2");
    ListBox2 = named(new QListWidget(client), "ListBox2");
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setUniformItemSizes(true);
    //: A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.
    Label4 = named(new QLabel(tr("Output Location :"), client), "Label4");
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtOutputLoc = named(new QLineEdit(QStringLiteral("C:\\My Playlists\\"), client), "txtOutputLoc");
    Command5 = named(makeButton(QStringLiteral("..."), client), "Command5");
    //: A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.
    Label5 = named(new QLabel(tr("Media Location :"), client), "Label5");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtMediaLoc = named(new QLineEdit(kDefaultMediaFolder.toString(), client), "txtMediaLoc");
    //: A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.
    Command1 = named(makeButton(tr("&Convert"), client), "Command1");
    //: A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.
    Command3 = named(makeButton(tr("&Quit"), client), "Command3");
    Line1 = named(new QFrame(client), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);

    // What a screen reader says: each field is named by its label; the lists and
    // the type box, which Qt would name after their content, and the symbol
    // buttons are named in words.
    Label3->setBuddy(txtPlaylistLoc);
    Label6->setBuddy(cmbFileType);
    Label1->setBuddy(File1);
    Label2->setBuddy(ListBox2);
    Label4->setBuddy(txtOutputLoc);
    Label5->setBuddy(txtMediaLoc);
    File1->setAccessibleName(Label1->text());
    ListBox2->setAccessibleName(Label2->text());
    //: What a screen reader calls the media type box: its label without the colon.
    cmbFileType->setAccessibleName(tr("Playlist contains"));
    cmbFileType->lineEdit()->setAccessibleName(cmbFileType->accessibleName());
    CmdFind->setAccessibleName(tr("Choose playlist folder"));
    Command2->setAccessibleName(tr("Add to queue"));
    Command4->setAccessibleName(tr("Remove from queue"));
    Command5->setAccessibleName(tr("Choose output folder"));
    keepCurrentOnlyWhileFocused(File1);
    keepCurrentOnlyWhileFocused(ListBox2);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(CmdFind, &QPushButton::clicked, this, &Form1::CmdFind_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
}

void Form1::placeControls()
{
    using namespace form1_layout;
    QWidget *client = centralWidget();
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    for (const TwipsRect &place : kControls) {
        auto *control = client->findChild<QWidget *>(QLatin1StringView(place.name));
        control->setGeometry(mirrored(place.toPixels()));
    }
    sizeLabels();
    Line1->setGeometry(mirrored(QRect(0, 0, px(kLineEnd), 1)));

    QWidget *previous = nullptr;
    for (const char *name : kTabOrder) {
        auto *control = client->findChild<QWidget *>(QLatin1StringView(name));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6})
        label->setFocusPolicy(Qt::NoFocus);
    Line1->setFocusPolicy(Qt::NoFocus);
    Command1->setFocus(Qt::OtherFocusReason);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::sizeLabels()
{
    // The self-sizing labels take the size of their text; the two right-aligned
    // ones keep their right edge, next to their field.
    for (QLabel *label : {Label3, Label4, Label5}) {
        const QRect cell = placeOf(form1_layout::kControls, label->objectName()).toPixels();
        label->adjustSize();
        const int left = label == Label3 ? cell.left() : cell.right() + 1 - label->width();
        label->setGeometry(mirrored(QRect(QPoint(left, cell.top()), label->size())));
    }
}

bool Form1::textsFit() const
{
    const auto fits = [](const QWidget *widget, const QString &text, int room) {
        return widget->fontMetrics().horizontalAdvance(text) <= room;
    };
    QStyleOptionComboBox box;
    box.initFrom(cmbFileType);
    box.editable = true;
    box.frame = true;
    box.rect = QRect(QPoint(), cmbFileType->size());
    const QRect edit = cmbFileType->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField,
                                                            cmbFileType);
    // A line edit keeps a few pixels each side of its text.
    if (!fits(cmbFileType, mediaTypePlaceholder(), edit.width() - 4))
        return false;
    for (const QLabel *label : {Label1, Label2, Label6}) {
        if (!fits(label, label->text(), label->width()))
            return false;
    }
    // The self-sizing labels stay clear of their fields and inside the window.
    const QRect client = centralWidget()->rect();
    return !Label3->geometry().intersects(txtPlaylistLoc->geometry()) && client.contains(Label3->geometry())
           && client.contains(Label4->geometry()) && client.contains(Label5->geometry());
}

QRect Form1::mirrored(const QRect &designed) const
{
    // The design's places are given from the left; a window that reads right
    // to left has them from the right.
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(), centralWidget()->size()), designed);
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::FontChange || fittingFont_ || !centralWidget())
        return;
    // The layout is made for Tahoma. A wider font that stands in for it is made
    // smaller until every caption fits, rather than cutting text off.
    fittingFont_ = true;
    QFont fitted = font();
    int widest = -1;
    for (int step = 0; step < 24; ++step) {
        sizeLabels();
        if (textsFit() || fitted.pointSizeF() <= 6)
            break;
        // A font that keeps its width at a smaller size (a bitmap font standing
        // in for a missing one) gives way to the families the layout was made for.
        const int width = Label1->fontMetrics().horizontalAdvance(Label1->text());
        if (width == widest)
            fitted.setFamilies(tahoma().families());
        widest = width;
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        setFont(fitted);
    }
    fittingFont_ = false;
}

void Form1::Form_Load()
{
    const QString sep = QDir::separator();
    const QString tail = sep + QStringLiteral("My Music") + sep + QStringLiteral("My Playlists") + sep;
    const QString candidate = shell_.SpecialFolderPath() + tail;
    if (shell_.holdsOrdinaryFile(candidate)) {
        txtPlaylistLoc->setText(shell_.SpecialFolderPath() + tail);
        txtOutputLoc->setText(shell_.SpecialFolderPath() + tail);
    } else {
        const QString root = QDir::toNativeSeparators(QDir::rootPath());
        txtPlaylistLoc->setText(root);
        txtOutputLoc->setText(root);
        outputFallback_ = root;
    }
    pointFileList(txtPlaylistLoc->text());
}

void Form1::pointFileList(const QString &folder)
{
    File1->clear();
    if (folder.isEmpty())
        return; // nothing to list
    const QDir dir(folder);
    if (!dir.exists()) {
        messages_.show(this, {Message::Icon::Critical,
                              tr("The playlist folder \"%1\" cannot be listed.").arg(shownPath(folder)),
                              tr("It does not exist or is not a folder.")});
        return;
    }
    for (const QString &name : playlistNames(folder)) {
        // A name that is not UTF-8 is shown as a terminal shows it, and kept
        // as it is for the run.
        auto *item = new QListWidgetItem(shownPath(name), File1);
        item->setData(Qt::UserRole, name);
    }
}

QString Form1::playlistName(const QListWidgetItem *item)
{
    const QVariant name = item->data(Qt::UserRole);
    return name.isValid() ? name.toString() : item->text();
}

ConversionRequest Form1::conversionRequest() const
{
    ConversionRequest request;
    // The placeholder, in whatever language it is shown, is the one the run refuses.
    request.mediaType = cmbFileType->currentText() == mediaTypePlaceholder() ? kMediaTypePlaceholder.toString()
                                                                             : cmbFileType->currentText();
    request.playlistFolder = txtPlaylistLoc->text();
    request.mediaFolder = txtMediaLoc->text();
    request.outputFolder = txtOutputLoc->text();
    // The music the card lacks, and how it stands in step with the music
    // here, for the question after the run.
    request.planMusic = true;
    request.sync = true;
    request.tidy = true;
    request.playlistNames.reserve(ListBox2->count());
    for (int i = 0; i < ListBox2->count(); ++i)
        request.playlistNames.append(playlistName(ListBox2->item(i)));
    return request;
}

void Form1::Command1_Click()
{
    // The window answers during a run; Convert, which would start a second
    // one, does not, however it is pressed (a screen reader presses it
    // without the mouse or the keyboard).
    if (run_->isRunning())
        return;
    Command1->setEnabled(false);
    run_->convert(conversionRequest());
}

void Form1::conversionEnded(const ConversionReport &report)
{
    if (closeAfterRun_) {
        encodingAfter_.reset();
        runOver();
        close();
        return;
    }
    if (encodingAfter_ && report.status == ConversionReport::Status::Completed) {
        encodingPlanned(report);
        return;
    }
    encodingAfter_.reset();
    switch (report.status) {
    case ConversionReport::Status::Refused:
        messages_.show(this, {Message::Icon::Information, tr("Please select a media type\r\ni.e. WMA, MP3"), {}});
        break;
    case ConversionReport::Status::Completed: {
        // The music the card lacks is offered once "All Done" is closed; what
        // is not on the card is told then, after the copy.
        const bool offered = std::any_of(report.music.cbegin(), report.music.cend(),
                                         [](const MusicPlan &plan) { return !plan.actions.isEmpty(); })
                             || std::any_of(report.converted.cbegin(), report.converted.cend(),
                                            [this](const PlaylistResult &result) { return offersEncoding(result); });
        messages_.show(this,
                       {Message::Icon::None, tr("All Done"), conversionWarnings(report.converted, {.notOnCard = !offered}).join(u'\n')},
                       [this, report] { offerTheMusic(report); });
        return;
    }
    case ConversionReport::Status::Failed: {
        const ConversionFailure &failure = report.failures.constLast();
        //: The reason, as a sentence of its own.
        QString details = tr("%1.").arg(failureReason(failure));
        // A playlist queued twice writes one file: count files, not entries.
        if (const qsizetype files = filesWritten(report.converted); files > 0)
            details += u'\n' + tr("%Ln files were written before it.", nullptr, int(files));
        const QString named = shownPath(failure.path);
        messages_.show(this, {Message::Icon::Critical,
                              failure.whileReading ? tr("\"%1\" could not be read.").arg(named)
                                                   : tr("\"%1\" could not be written.").arg(named),
                              details});
        break;
    }
    case ConversionReport::Status::Cancelled:
        break; // the user stopped it; the files written before stay
    }
    runOver();
}

void Form1::offerTheMusic(const ConversionReport &report)
{
    QList<MusicPlan> plans;
    bool putting = false;
    qsizetype replacements = 0;
    qsizetype removals = 0;
    for (const MusicPlan &plan : report.music) {
        if (plan.actions.isEmpty())
            continue;
        plans.append(plan);
        for (const CardAction &action : plan.actions) {
            replacements += action.replaces ? 1 : 0;
            removals += action.kind == CardAction::Kind::Remove ? 1 : 0;
            putting = putting || (!action.replaces && action.kind != CardAction::Kind::Remove);
        }
    }
    // The playlists whose music the device cannot play, where it can be
    // encoded: to the media type, where that is one the device plays.
    const std::optional<AudioTarget> target = audioTargetOfType(cmbFileType->currentText());
    QStringList toEncode;
    qsizetype entries = 0;
    AudioKinds kinds = 0;
    for (const PlaylistResult &result : report.converted) {
        if (target && offersEncoding(result)) {
            toEncode.append(QFileInfo(result.inputPath).fileName());
            entries += result.entries.otherAudio;
            kinds |= result.entries.otherAudioKinds;
        }
    }
    if ((plans.isEmpty() && toEncode.isEmpty()) || closeAfterRun_) {
        runOver();
        return;
    }
    converted_ = report.converted;
    QStringList details;
    QStringList leftOut;
    QStringList planned;
    for (const MusicPlan &plan : std::as_const(plans)) {
        details.append(planQuestionDetails(plan));
        leftOut += leftOutLines(plan);
        planned += planLines(plan);
    }
    // Where nothing is copied, the card's files are only made again or removed.
    const bool copying = putting || !toEncode.isEmpty();
    Question question{copying ? tr("Copy the music that the playlists name onto the card?")
                              : tr("Keep the card in step with the music on this computer?"),
                      (details + leftOut).join(u'\n'),
                      //: A button: copy the music onto the card.
                      copying ? tr("Copy")
                              //: A button: make again or remove the files on the card as ticked.
                              : tr("Update"),
                      //: A button: leave the card as it is.
                      copying ? tr("Don't copy") : tr("Don't update")};
    question.details = planned.join(u'\n');
    constexpr int kBitrate = 128;
    // The choices, each where it has anything to do; a removal never ticked.
    int encodeChoiceAt = -1;
    int replaceChoiceAt = -1;
    int removeChoiceAt = -1;
    if (!toEncode.isEmpty()) {
        encodeChoiceAt = int(question.choices.size());
        question.choices.append({encodeChoice(entries, kinds, *target, kBitrate), true});
    }
    if (replacements > 0) {
        replaceChoiceAt = int(question.choices.size());
        //: A check box: %Ln counts the files.
        question.choices.append({tr("Make again the %Ln files whose sources changed", nullptr, int(replacements)), true});
    }
    if (removals > 0) {
        removeChoiceAt = int(question.choices.size());
        //: A check box: %Ln counts the files.
        question.choices.append(
            {tr("Remove the %Ln files below the media folder that no playlist on the card names", nullptr, int(removals)),
             false});
    }
    messages_.ask(this, question, [=, this](const Answer &answer) {
        if (!answer.yes || closeAfterRun_) {
            runOver();
            return;
        }
        const bool replacing = answer.ticked.value(replaceChoiceAt, false);
        const bool removing = answer.ticked.value(removeChoiceAt, false);
        QList<MusicPlan> chosen;
        for (const MusicPlan &plan : plans) {
            if (MusicPlan kept = chosenOf(plan, replacing, removing); !kept.actions.isEmpty())
                chosen.append(kept);
        }
        if (answer.ticked.value(encodeChoiceAt, false)) {
            // The playlists with music to encode are written again, each such
            // entry under the name it will have on the card; then all of it
            // goes on.
            ConversionRequest again = conversionRequest();
            again.playlistNames = toEncode;
            again.transcode = true;
            again.bitrateKbps = kBitrate;
            again.encoder = encoder_;
            encodingAfter_ = Encoding{chosen, replacing, removing};
            run_->convert(again);
            return;
        }
        if (chosen.isEmpty()) {
            runOver();
            return;
        }
        carryOutWhereItFits(chosen, false);
    });
}

bool Form1::offersEncoding(const PlaylistResult &result) const
{
    return encoder_ && !result.card.card.isEmpty() && result.entries.otherAudio > 0;
}

void Form1::carryOutWhereItFits(const QList<MusicPlan> &plans, bool leftOut)
{
    const auto notFitting = std::find_if(plans.cbegin(), plans.cend(), [](const MusicPlan &plan) { return !plan.fits(); });
    if (notFitting != plans.cend()) {
        PlanReport doesNotFit;
        doesNotFit.status = PlanReport::Status::DoesNotFit;
        messages_.show(this, {Message::Icon::Critical, planReportWords(*notFitting, doesNotFit).problem,
                              leftOut ? leftOutLines(*notFitting).join(u'\n') : QString()},
                       [this] { runOver(); });
        return;
    }
    run_->carryOut(plans, encoder_, jobs_);
}

void Form1::encodingPlanned(const ConversionReport &report)
{
    const Encoding before = *std::exchange(encodingAfter_, std::nullopt);
    QList<MusicPlan> chosen;
    for (const MusicPlan &plan : report.music)
        chosen.append(chosenOf(plan, before.replacing, before.removing));
    const QList<MusicPlan> plans = mergedPlans(before.plans, chosen);
    // What the card lacks is told of the playlists as they stand now.
    for (const PlaylistResult &result : report.converted) {
        for (PlaylistResult &earlier : converted_) {
            if (earlier.outputPath == result.outputPath)
                earlier = result;
        }
    }
    carryOutWhereItFits(plans, true);
}

void Form1::musicEnded(const QList<MusicPlan> &plans, const QList<PlanReport> &reports)
{
    if (closeAfterRun_) {
        runOver();
        close();
        return;
    }
    QStringList problems;
    QStringList done;
    QStringList details;
    bool failed = false;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const PlanWords words = planReportWords(plans[i], reports[i]);
        if (!words.problem.isEmpty())
            problems.append(words.problem);
        if (!words.done.isEmpty())
            done.append(words.done);
        details += words.failed + words.leftOut;
        failed = failed || (reports[i].status != PlanReport::Status::Completed && reports[i].status != PlanReport::Status::Cancelled)
                 || reports[i].failedBySource() > 0;
    }
    // What the cards still lack, now that the music is there.
    details += stillNotOnCard(converted_, plans, reports);
    converted_.clear();
    if (!problems.isEmpty())
        details = done + details;
    messages_.show(this, {failed ? Message::Icon::Critical : Message::Icon::None,
                          (problems.isEmpty() ? done : problems).join(u'\n'), details.join(u'\n')},
                   [this] { runOver(); });
}

void Form1::runOver()
{
    Command1->setEnabled(true);
    Q_EMIT runEnded();
}

void Form1::Command2_Click()
{
    // The selected names join the queue in list order; then nothing is selected.
    bool added = false;
    for (int i = 0; i < File1->count(); ++i) {
        if (File1->item(i)->isSelected()) {
            ListBox2->addItem(File1->item(i)->clone());
            added = true;
        }
    }
    if (added)
        File1->clearSelection();
}

void Form1::Command4_Click()
{
    // Rows first, then removal: taking an item moves the current row, and in a
    // single-selection list the selection would follow it to the next entry.
    QList<int> rows;
    for (int i = 0; i < ListBox2->count(); ++i) {
        if (ListBox2->item(i)->isSelected())
            rows.append(i);
    }
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        delete ListBox2->takeItem(*row);
    // Nothing stays selected, so a second "<<" removes nothing the user did not pick.
    if (!rows.isEmpty())
        ListBox2->selectionModel()->clear();
}

void Form1::chooseFolder(QLineEdit *field, const QString &title)
{
    if (const std::optional<QString> folder = shell_.BrowseForFolder(this, title, field->text()))
        field->setText(*folder);
    field->setText(withTrailingSeparator(field->text()));
}

void Form1::CmdFind_Click()
{
    chooseFolder(txtPlaylistLoc, tr("Select your Playlist directory"));
    pointFileList(txtPlaylistLoc->text());
}

void Form1::Command5_Click()
{
    chooseFolder(txtOutputLoc, tr("Select Output directory"));
}

void Form1::Command3_Click()
{
    endProgram();
}

void Form1::mnuExit_Click()
{
    endProgram();
}

void Form1::openPlaylists(const QStringList &paths)
{
    if (paths.isEmpty() || run_->isRunning())
        return;
    QString folder;
    QStringList names;
    QStringList refused;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString native = shownPath(info.absoluteFilePath());
        // The desktop hands over a name that is not UTF-8 with U+FFFD in it.
        if (!info.exists() && path.contains(QChar::ReplacementCharacter)) {
            ConversionFailure notUtf8;
            notUtf8.kind = ConversionFailure::Kind::NameNotUtf8;
            //: %1 is the file, %2 why it was not queued.
            refused.append(tr("\"%1\": %2.").arg(native, failureReason(notUtf8)));
            continue;
        }
        if (!info.isFile() || !info.isReadable() || !formatOfName(info.fileName())) {
            //: %2 lists the kinds of playlist: *.wpl, *.zpl, ...
            refused.append(tr("\"%1\" is not a readable playlist (%2).")
                               .arg(native, namedList(playlistNamePatterns(), playlistNamePatterns().size())));
            continue;
        }
        const QString itsFolder = withTrailingSeparator(QDir::toNativeSeparators(info.absolutePath()));
        if (folder.isEmpty())
            folder = itsFolder;
        if (itsFolder != folder) {
            refused.append(tr("\"%1\" is not in the folder of the others, %2.").arg(native, shownPath(folder)));
            continue;
        }
        names.append(info.fileName());
    }
    if (!names.isEmpty()) {
        txtPlaylistLoc->setText(folder);
        // The start-up fallback, the root folder, is seldom writable: while the
        // field still holds it, the playlists are written beside themselves, as
        // velandry-convert writes them.
        if (!outputFallback_.isEmpty() && txtOutputLoc->text() == outputFallback_)
            txtOutputLoc->setText(folder);
        pointFileList(folder);
        File1->clearSelection();
        // By the name each entry stands for, whatever its text shows.
        for (int i = 0; i < File1->count(); ++i) {
            if (names.contains(playlistName(File1->item(i))))
                File1->item(i)->setSelected(true);
        }
        Command2_Click();
    }
    if (!refused.isEmpty())
        messages_.show(this, {Message::Icon::Critical,
                              tr("%Ln files were not queued.", nullptr, int(refused.size())),
                              refused.join(u'\n')});
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!run_->isRunning() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->acceptProposedAction();
    openPlaylists(paths);
}

frmAbout *Form1::aboutWindow() const
{
    return about_.data();
}

void Form1::mnuAbout_Click()
{
    if (!about_)
        about_ = new frmAbout(shell_);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Form1::endProgram()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (run_->isRunning()) {
        // The run stops within moments; the window closes then, answering
        // meanwhile rather than waiting for it. As Cancel does, the progress
        // dialog says so at once.
        closeAfterRun_ = true;
        run_->stop();
        event->ignore();
        return;
    }
    event->accept();
    delete about_.data();
    QCoreApplication::quit();
}

} // namespace velandry
