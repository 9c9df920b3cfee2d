#pragma once

// The windows' controls, found by their object names as a script or a screen
// reader finds them: the windows keep them private.

#include "ui/main/form1.h"
#include "ui/about/frm_about.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdlib>
#include <memory>

template <typename Control>
Control *controlNamed(const QObject *window, const char *name)
{
    auto *control = window->findChild<Control *>(QLatin1StringView(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

struct Form1Controls
{
    explicit Form1Controls(const velandry::Form1 *w)
        : Label1(controlNamed<QLabel>(w, "Label1")), Label2(controlNamed<QLabel>(w, "Label2")),
          Label3(controlNamed<QLabel>(w, "Label3")), Label4(controlNamed<QLabel>(w, "Label4")),
          Label5(controlNamed<QLabel>(w, "Label5")), Label6(controlNamed<QLabel>(w, "Label6")),
          txtPlaylistLoc(controlNamed<QLineEdit>(w, "txtPlaylistLoc")),
          txtOutputLoc(controlNamed<QLineEdit>(w, "txtOutputLoc")),
          txtMediaLoc(controlNamed<QLineEdit>(w, "txtMediaLoc")),
          cmbFileType(controlNamed<QComboBox>(w, "cmbFileType")), File1(controlNamed<QListWidget>(w, "File1")),
          ListBox2(controlNamed<QListWidget>(w, "ListBox2")), CmdFind(controlNamed<QPushButton>(w, "CmdFind")),
          Command1(controlNamed<QPushButton>(w, "Command1")), Command2(controlNamed<QPushButton>(w, "Command2")),
          Command3(controlNamed<QPushButton>(w, "Command3")), Command4(controlNamed<QPushButton>(w, "Command4")),
          Command5(controlNamed<QPushButton>(w, "Command5")), Line1(controlNamed<QFrame>(w, "Line1")),
          mnuFile(controlNamed<QMenu>(w, "mnuFile")), mnuHelp(controlNamed<QMenu>(w, "mnuHelp")),
          mnuExit(controlNamed<QAction>(w, "mnuExit")), mnuAbout(controlNamed<QAction>(w, "mnuAbout"))
    {
    }

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *txtPlaylistLoc, *txtOutputLoc, *txtMediaLoc;
    QComboBox *cmbFileType;
    QListWidget *File1, *ListBox2;
    QPushButton *CmdFind, *Command1, *Command2, *Command3, *Command4, *Command5;
    QFrame *Line1;
    QMenu *mnuFile, *mnuHelp;
    QAction *mnuExit, *mnuAbout;
};

struct AboutControls
{
    explicit AboutControls(const velandry::frmAbout *w)
        : Image1(controlNamed<velandry::PictureLink>(w, "Image1")), Label1(controlNamed<QLabel>(w, "Label1")),
          Label2(controlNamed<QLabel>(w, "Label2")), txtVersion(controlNamed<QPlainTextEdit>(w, "txtVersion")),
          Command1(controlNamed<QPushButton>(w, "Command1")), Label4(controlNamed<QLabel>(w, "Label4")),
          Line1(controlNamed<QFrame>(w, "Line1")), Image2(controlNamed<velandry::PictureLink>(w, "Image2")),
          Label3(controlNamed<QLabel>(w, "Label3"))
    {
    }

    velandry::PictureLink *Image1;
    QLabel *Label1, *Label2;
    QPlainTextEdit *txtVersion;
    QPushButton *Command1;
    QLabel *Label4;
    QFrame *Line1;
    velandry::PictureLink *Image2;
    QLabel *Label3;
};

inline Form1Controls ui(const velandry::Form1 *window)
{
    return Form1Controls(window);
}
inline Form1Controls ui(const std::unique_ptr<velandry::Form1> &window)
{
    return Form1Controls(window.get());
}
inline AboutControls ui(const velandry::frmAbout *window)
{
    return AboutControls(window);
}
