#pragma once

#include <QLabel>
#include <QWidget>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace velandry {

class ShellServices;

inline constexpr QStringView kRevisionHistory =
    u"Version 1.00 (Phase One) - Inception Date: 19/05/03 Release Date: 21/05/03\r\n"
    u"(Not working ANSI characters)\r\n"
    u"Version 1.01 (BETA) - Inception Date: 21/05/03 Release Date: 23/05/03\r\n"
    u"User Controls Modified\r\n"
    u"Version 1.02 - Inception Date: 07/06/03 Release Date: 12/06/03\r\n"
    u"(ANSI Problem fixed)\r\n"
    u"Version 1.03 - Inception Date: 14/06/03 Release Date: 18/06/03\r\n"
    u"(WindowsXP problem resolved)\r\n"
    u"Version 1.03b - Inception Date: 24/06/03 Release Date: 24/06/03\r\n"
    u"(File extension error)\r\n";

inline constexpr QStringView kWebSite = u"http://www.velandry.example";
inline constexpr QStringView kDonationPage =
    u"https://payments.example/xclick/business=donate%40velandry.example&no_note=1&tax=0&currency_code=GBP";

// A picture that acts as a link: a click on it (press and release over it).
class PictureLink final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// The About window: revision history and the two links. Its close box destroys
// it; "&Close" only hides it.
class frmAbout final : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout(ShellServices &shell);

    void Command1_Click();
    void Image1_Click();
    void Image2_Click();

    // The pointing hand shown over both pictures; hot spot at the fingertip.
    static QCursor handCursor();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The controls, under the names they carry as object names too.
    PictureLink *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *txtVersion = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label4 = nullptr;
    QFrame *Line1 = nullptr;
    PictureLink *Image2 = nullptr;
    QLabel *Label3 = nullptr;

    void fitCaption();
    // A place given from the window's left edge, where the window shows it.
    QRect mirrored(const QRect &designed) const;

    ShellServices &shell_;
};

} // namespace velandry
