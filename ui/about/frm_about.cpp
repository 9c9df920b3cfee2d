#include "ui/about/frm_about.h"

#include "ui/about/frm_about_layout.h"
#include "platform/shell_services.h"
#include "ui/window_setup.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QBitmap>
#include <QFrame>
#include <QImageReader>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QPushButton>

namespace velandry {

void PictureLink::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureLink::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

namespace {

// A picture link as a screen reader sees it: a link with its name and a press
// action that opens the link as a click does.
class PictureLinkAccessible final : public QAccessibleWidget
{
public:
    explicit PictureLinkAccessible(PictureLink *link) : QAccessibleWidget(link, QAccessible::Link) { }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<PictureLink *>(widget())->clicked();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1StringView("velandry::PictureLink"))
        return new PictureLinkAccessible(static_cast<PictureLink *>(object));
    // A window of its own, not a piece of another one.
    if (className == QLatin1StringView("velandry::frmAbout"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

// The picture at its design size, sharp at every scale the artwork covers.
QPixmap picture(const char *name)
{
    const QString file = QStringLiteral(":/velandry/%1.png").arg(QLatin1StringView(name));
    return QIcon(file).pixmap(QImageReader(file).size());
}

} // namespace

QCursor frmAbout::handCursor()
{
    // On a high-density screen the hand drawn at twice the size keeps it sharp.
    if (qApp->devicePixelRatio() > 1) {
        QPixmap large(QStringLiteral(":/velandry/hand@2x.png"));
        large.setDevicePixelRatio(2);
        return QCursor(large, 12, 9);
    }
    // hand.png: palette index 0 clear, 1 black, 2 white.
    const QImage hand(QStringLiteral(":/velandry/hand.png"));
    QImage bits(hand.size(), QImage::Format_MonoLSB);
    QImage mask(hand.size(), QImage::Format_MonoLSB);
    // Index 1 is Qt::color1: black in the cursor's bits, opaque in its mask.
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < hand.height(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            const QRgb pixel = hand.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            mask.setPixel(x, y, 1);
            bits.setPixel(x, y, qGray(pixel) < 128 ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 12, 9);
}

frmAbout::frmAbout(ShellServices &shell)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      shell_(shell)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(about_layout::kClientWidth), px(about_layout::kClientHeight));

    const QCursor hand = handCursor();
    Image1 = named(new PictureLink(this), "Image1");
    Image1->setPixmap(picture("updates"));
    Image1->setAccessibleName(tr("Velandry web site"));
    Image1->setAccessibleDescription(tr("Click here for updates"));
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setLineWidth(1);
    Image1->setCursor(hand);
    Image1->setToolTip(Image1->accessibleDescription());
    //: The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.
    Label1 = named(new QLabel(tr("Please visit for updates, faq and help"), this), "Label1");
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    //: The heading of the history box: 217 px of room at 96 DPI.
    Label2 = named(new QLabel(tr("Revision History"), this), "Label2");
    txtVersion = named(new QPlainTextEdit(this), "txtVersion");
    txtVersion->setPlainText(kRevisionHistory.toString());
    txtVersion->setReadOnly(true);
    txtVersion->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtVersion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtVersion->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtVersion->setTabChangesFocus(true);
    //: A button: about 57 px of room for its text at 96 DPI.
    Command1 = named(makeButton(tr("&Close"), this), "Command1");
    //: The maker's notice: 257 px of room at 96 DPI, up to two lines.
    Label4 = named(new QLabel(tr("Velandry, freeware"), this), "Label4");
    Line1 = named(new QFrame(this), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Image2 = named(new PictureLink(this), "Image2");
    Image2->setPixmap(picture("donate"));
    Image2->setAccessibleName(tr("Donate"));
    Image2->setAccessibleDescription(tr("Help towards future developments"));
    Image2->setCursor(hand);
    //: Beside the donation picture: two lines of 263 px at 96 DPI.
    Label3 = named(new QLabel(tr("If you feel that this software is worth using, please feel free to help "
                                 "towards future developments"),
                              this),
                   "Label3");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2->setBuddy(txtVersion);

    for (const TwipsRect &place : about_layout::kControls)
        findChild<QWidget *>(QLatin1StringView(place.name))->setGeometry(mirrored(place.toPixels()));
    fitCaption();
    Line1->setGeometry(mirrored(QRect(px(about_layout::kLineLeft), px(about_layout::kLineTop),
                                      px(about_layout::kLineRight) - px(about_layout::kLineLeft), 1)));
    for (QWidget *passive : std::initializer_list<QWidget *>{Image1, Label1, Label2, Label4, Line1, Image2, Label3})
        passive->setFocusPolicy(Qt::NoFocus);
    setTabOrder(txtVersion, Command1);
    txtVersion->setFocus(Qt::OtherFocusReason);
    centreFrameWhenShown(this);

    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    connect(Image1, &PictureLink::clicked, this, &frmAbout::Image1_Click);
    connect(Image2, &PictureLink::clicked, this, &frmAbout::Image2_Click);
}

void frmAbout::fitCaption()
{
    // The caption wraps within its frame. The toolkit's default font may need
    // more lines than the frame holds: then the caption takes the room to the
    // window's right margin and below it, and a smaller font if even that is
    // not enough, so that all of its text shows inside the window.
    const QRect design = placeOf(about_layout::kControls, u"Label3").toPixels();
    const int roomBelow = height() - design.top() - 2;
    const int widest = px(about_layout::kLineRight) - design.left();
    QFont font = Label3->font();
    for (int step = 0; step < 16; ++step) {
        const int width = Label3->heightForWidth(design.width()) <= roomBelow ? design.width() : widest;
        const int needed = Label3->heightForWidth(width);
        if (needed <= roomBelow || font.pointSizeF() <= 6) {
            Label3->setGeometry(mirrored(QRect(design.left(), design.top(), width, qBound(design.height(), needed, roomBelow))));
            return;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
        Label3->setFont(font);
    }
}

QRect frmAbout::mirrored(const QRect &designed) const
{
    // The design's places are given from the left; a window that reads right
    // to left has them from the right.
    return QStyle::visualRect(layoutDirection(), rect(), designed);
}

void frmAbout::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && Label3)
        fitCaption();
}

void frmAbout::Command1_Click()
{
    hide();
}

void frmAbout::Image1_Click()
{
    shell_.ShellOpen(QUrl(kWebSite.toString()));
}

void frmAbout::Image2_Click()
{
    shell_.ShellOpen(QUrl(kDonationPage.toString()));
}

} // namespace velandry
