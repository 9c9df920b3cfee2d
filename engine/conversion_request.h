#pragma once

#include "engine/code_page.h"
#include "engine/music/audio_encoder.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace velandry {

// The media type box's text until a type is chosen; a run refuses it.
inline constexpr QStringView kMediaTypePlaceholder = u"Please select";
inline constexpr QStringView kDefaultMediaFolder = u"\\CF-Card\\My Music\\";

// The user's music folder (QStandardPaths' MusicLocation): entries below it
// are cut there.
QString defaultMusicFolder();

// Everything one run is asked to do, as one value filled by name: the main
// window's fields, or velandry-convert's options.
struct ConversionRequest
{
    QString mediaType = QString();
    // Where the playlists are read: the folder joined with each name, with
    // nothing in between (the converter names each playlist by its path and
    // leaves the folder empty).
    QString playlistFolder = QString();
    QStringList playlistNames = QStringList();
    QString mediaFolder = kDefaultMediaFolder.toString();
    // Where the .asx files go, joined with each output name; or, where
    // `outputBesidePlaylists`, each beside its playlist.
    QString outputFolder = QString();
    CodePage codePage = CodePage::systemDefault();
    bool outputBesidePlaylists = false;
    // Entries of playlists other than WPL below this folder are cut there
    // (velandry-convert --music-root); empty for none.
    QString musicRoot = QString();
    QString musicFolder = defaultMusicFolder();
    // The storage card the entries are checked against (velandry-convert
    // --card); empty: the output folder's volume, where it is a card.
    QString card = QString();
    // The root of the volume that holds a folder (QStorageInfo's, where empty).
    std::function<QString(const QString &folder)> volumeRoot = {};
    // The window stops at the first playlist that fails; the converter goes
    // on with the next.
    bool stopAtFailure = true;
    // Also plan, card by card, the music that the playlists name and the
    // card lacks.
    bool planMusic = false;
    // Write nothing at all: the documents go nowhere.
    bool dryRun = false;
    // Take every entry whose file is music (kAudioKinds): what the device
    // plays as it is under its own name, the rest under the media type's
    // extension (one of audioTargetOfType()), to be encoded on the way to the
    // card at `bitrateKbps`. `encoder` tells what each file holds.
    bool transcode = false;
    int bitrateKbps = 128;
    const AudioEncoder *encoder = nullptr;
    // Keep the card in step where the music is planned: replace a file on it
    // whose source here changed (`sync`); remove the music below the media
    // folder that no playlist on the card names (`tidy`).
    bool sync = false;
    bool tidy = false;
};

// Where the music of a run is looked for on this computer: the music root
// where it names a folder here, else the user's music folder.
QString musicSourceFolder(const ConversionRequest &request);

} // namespace velandry
