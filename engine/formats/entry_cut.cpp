#include "engine/formats/entry_cut.h"

#include "engine/formats/audio_kinds.h"
#include "engine/utf8_text.h"

#include <QDir>

#include <algorithm>
#include <cstring>

namespace velandry {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsWithFileScheme(QByteArrayView text)
{
    return text.size() >= 5 && char(text[0] | 0x20) == 'f' && char(text[1] | 0x20) == 'i'
           && char(text[2] | 0x20) == 'l' && char(text[3] | 0x20) == 'e' && text[4] == ':';
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Where the last "..\" (or "../") of an entry as written starts; -1 for none.
qsizetype lastParentMarker(QByteArrayView entry)
{
    for (qsizetype at = entry.size() - 3; at >= 0; --at) {
        if (entry[at] == '.' && entry[at + 1] == '.' && (entry[at + 2] == '\\' || entry[at + 2] == '/'))
            return at;
    }
    return -1;
}


// How many bytes of `text` match `prefix`, letter case ignored a UTF-16 unit
// at a time as the scan of WPL texts ignores it; -1 where it does not.
qsizetype matchPrefixIgnoringCase(QByteArrayView text, QByteArrayView prefix)
{
    const auto *t = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto *p = reinterpret_cast<const std::uint8_t *>(prefix.data());
    qsizetype ti = 0;
    qsizetype pi = 0;
    while (pi < prefix.size()) {
        if (ti >= text.size())
            return -1;
        if (t[ti] < 0x80 && p[pi] < 0x80) {
            // "/" in the text stands for the "\" of the prefix's form.
            if (lowerUnit(t[ti] == '/' ? '\\' : t[ti]) != lowerUnit(p[pi]))
                return -1;
            ++ti;
            ++pi;
            continue;
        }
        const detail::Utf8Character a = detail::decodeUtf8(t + ti, t + text.size());
        const detail::Utf8Character b = detail::decodeUtf8(p + pi, p + prefix.size());
        const bool same = a.codePoint == b.codePoint
                          || (a.codePoint < 0x10000 && b.codePoint < 0x10000
                              && lowerUnit(char16_t(a.codePoint)) == lowerUnit(char16_t(b.codePoint)));
        if (!same)
            return -1;
        ti += a.length;
        pi += b.length;
    }
    return ti;
}

// How long the root of an absolute path is: "\\server\", "C:\", "C:" or "\"
// (either separator); 0 for a relative path.
qsizetype rootLength(QByteArrayView path)
{
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        qsizetype end = 2;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        return qMin(path.size(), end + 1);
    }
    if (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':')
        return path.size() > 2 && isSeparator(path[2]) ? 3 : 2;
    return !path.isEmpty() && isSeparator(path[0]) ? 1 : 0;
}

// Whether folding would change an absolute path: an empty, "." or ".."
// segment between separators.
bool needsFolding(QByteArrayView path, qsizetype root)
{
    const char *const data = path.data();
    const qsizetype size = path.size();
    for (qsizetype at = root; at < size; ++at) {
        // Each segment's first byte: at the root's end, or after a separator.
        if (at == root || isSeparator(data[at - 1])) {
            if (isSeparator(data[at]))
                return true;
            if (data[at] == '.') {
                const qsizetype after = at + 1 < size && data[at + 1] == '.' ? at + 2 : at + 1;
                if (after >= size || isSeparator(data[after]))
                    return true;
            }
        }
    }
    return false;
}

// Where the last "My Music" followed by a separator ends; -1 for none.
qsizetype afterLastMyMusic(QByteArrayView path)
{
    for (qsizetype at = path.lastIndexOf("My Music"); at >= 0; at = at > 0 ? path.lastIndexOf("My Music", at - 1) : -1) {
        if (at + 8 < path.size() && isSeparator(path[at + 8]))
            return at + 9;
    }
    return -1;
}

} // namespace

namespace entry_paths {

bool isWebAddress(QByteArrayView entry)
{
    if (entry.isEmpty() || !isAsciiLetter(entry[0]) || startsWithFileScheme(entry))
        return false;
    qsizetype at = 1;
    while (at < entry.size()
           && (isAsciiLetter(entry[at]) || (entry[at] >= '0' && entry[at] <= '9') || entry[at] == '+'
               || entry[at] == '-' || entry[at] == '.'))
        ++at;
    return at >= 2 && at < entry.size() && entry[at] == ':';
}

void appendPercentDecoded(QByteArrayView text, QByteArray &out)
{
    // A byte that is no hex digit counts as its own value, as Qt counts it.
    const auto digit = [](int c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c;
    };
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *to = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size()) {
            const int high = digit(text[i + 1]);
            const int low = digit(text[i + 2]);
            *to++ = char((high << 4) | low);
            i += 2;
        } else {
            *to++ = c;
        }
    }
    out.resize(to - out.constData());
}

void pathOfFileUrl(QByteArrayView url, QByteArray &out)
{
    out.resize(0);
    QByteArrayView rest = url.sliced(5);
    if (rest.startsWith("//")) {
        const qsizetype slash = rest.indexOf('/', 2);
        const QByteArrayView host = rest.sliced(2, (slash < 0 ? rest.size() : slash) - 2);
        rest = slash < 0 ? QByteArrayView() : rest.sliced(slash);
        // file://server/share/x.mp3 is \\server\share\x.mp3.
        if (!host.isEmpty() && host.compare("localhost", Qt::CaseInsensitive) != 0) {
            out.append("//");
            out.append(host.data(), host.size());
        }
    }
    appendPercentDecoded(rest, out);
    // "file:////server/share" and "file://///server/share": the slashes of a
    // network path, beyond the authority's; they name that server's share.
    if (out.startsWith("//")) {
        qsizetype slashes = 2;
        while (slashes < out.size() && out[slashes] == '/')
            ++slashes;
        out.remove(0, slashes - 2);
    }
    // file:///C:/Music names C:/Music.
    if (out.size() >= 3 && out[0] == '/' && isAsciiLetter(out[1]) && out[2] == ':')
        out.remove(0, 1);
}

QByteArray folderForm(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QByteArray utf8 = folder.toUtf8();
    if (rootLength(utf8) == 0)
        utf8 = QDir(folder).absolutePath().toUtf8();
    QByteArray form;
    entry_paths::resolve(utf8, {}, form);
    if (!form.endsWith('\\'))
        form.append('\\');
    return form;
}

QByteArray pathOfFileUrl(QByteArrayView url)
{
    QByteArray path;
    pathOfFileUrl(url, path);
    return path;
}

void resolve(QByteArrayView path, QByteArrayView folder, QByteArray &out)
{
    out.resize(0);
    if (rootLength(path) == 0)
        out.append(folder.data(), folder.size());
    const qsizetype joined = out.size();
    out.append(path.data(), path.size());
    std::replace(out.data() + joined, out.data() + out.size(), '/', '\\');
    // The root stays: "\\server\", "C:\", "C:" or "\".
    qsizetype root = 0;
    if (out.startsWith("\\\\")) {
        const qsizetype end = out.indexOf('\\', 2);
        root = end < 0 ? out.size() : end + 1;
    } else if (out.size() >= 2 && isAsciiLetter(out[0]) && out[1] == ':') {
        root = out.size() > 2 && out[2] == '\\' ? 3 : 2;
    } else if (out.startsWith('\\')) {
        root = 1;
    }
    // Each segment kept is copied down with its "\"; "." and empty ones are
    // dropped, ".." drops the segment before it.
    char *const data = out.data();
    qsizetype write = root;
    qsizetype read = root;
    while (read < out.size()) {
        const auto *separator = static_cast<const char *>(std::memchr(data + read, '\\', size_t(out.size() - read)));
        const qsizetype end = separator ? separator - data : out.size();
        const qsizetype length = end - read;
        if (length == 2 && data[read] == '.' && data[read + 1] == '.') {
            if (write > root) {
                write -= 1; // the "\" after the segment before
                while (write > root && data[write - 1] != '\\')
                    --write;
            }
        } else if (length > 0 && !(length == 1 && data[read] == '.')) {
            std::memmove(data + write, data + read, size_t(length));
            write += length;
            if (end < out.size())
                data[write++] = '\\';
        }
        read = end + 1;
    }
    out.resize(write);
}

} // namespace entry_paths

EntryCutter::Folder::Folder(const QString &folder) : form(entry_paths::folderForm(folder)), withSlashes(form)
{
    std::replace(withSlashes.begin(), withSlashes.end(), '\\', '/');
}

qsizetype EntryCutter::Folder::matchIn(QByteArrayView path) const
{
    if (form.isEmpty())
        return -1;
    // Most entries stand in the folder's own letter case.
    if (path.startsWith(form) || path.startsWith(withSlashes))
        return form.size();
    return matchPrefixIgnoringCase(path, form);
}

EntryCutter::EntryCutter(const EntryRules &rules)
    : everyType_(rules.mediaType.isEmpty()), everyAudioKind_(rules.everyAudioKind), musicRoot_(rules.musicRoot), musicFolder_(rules.musicFolder),
      playlistFolder_(rules.playlistFolder)
{
    key_ = "." + rules.mediaType.toUtf8();
}

bool EntryCutter::hasType(QByteArrayView path) const
{
    if (everyType_ || (everyAudioKind_ && audioKindOf(path) >= 0))
        return true;
    if (path.size() < key_.size())
        return false;
    // Letter case ignored as in the scan of WPL texts.
    return matchPrefixIgnoringCase(path.last(key_.size()), key_) == key_.size();
}

bool EntryCutter::isFileOfType(QByteArrayView entry) const
{
    entry = entry.trimmed();
    if (startsWithFileScheme(entry))
        return hasType(entry_paths::pathOfFileUrl(entry));
    return !entry_paths::isWebAddress(entry) && hasType(entry);
}

EntryCutter::Outcome EntryCutter::cut(QByteArrayView entry, QByteArrayView &below)
{
    resolved_ = {};
    entry = entry.trimmed();
    if (startsWithFileScheme(entry)) {
        entry_paths::pathOfFileUrl(entry, fromUrl_);
        entry = fromUrl_;
    } else if (entry_paths::isWebAddress(entry)) {
        return Outcome::WebAddress;
    }
    if (!hasType(entry)) {
        lastAudioKind_ = audioKindOf(entry);
        return lastAudioKind_ >= 0 && !kAudioKinds[std::size_t(lastAudioKind_)].deviceKind ? Outcome::OtherAudio
                                                                                           : Outcome::OtherType;
    }
    // Most entries are absolute paths with nothing to fold: they are read
    // where they stand, "/" and "\" alike.
    const qsizetype root = rootLength(entry);
    if (root > 0 && !needsFolding(entry, root)) {
        resolved_ = entry;
    } else {
        entry_paths::resolve(entry, playlistFolder_.form, resolving_);
        resolved_ = resolving_;
    }

    qsizetype at = -1;
    if ((at = musicRoot_.matchIn(resolved_)) >= 0 || (at = afterLastMyMusic(resolved_)) >= 0
        || (at = musicFolder_.matchIn(resolved_)) >= 0 || (at = playlistFolder_.matchIn(resolved_)) >= 0) {
        below = resolved_.sliced(at);
        return Outcome::Kept;
    }
    if ((at = lastParentMarker(entry)) >= 0) {
        below = entry.sliced(at + 3);
        return Outcome::Kept;
    }
    return Outcome::OutsideMusicFolder;
}

} // namespace velandry
