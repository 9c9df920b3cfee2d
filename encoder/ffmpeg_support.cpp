#include "encoder/ffmpeg_support.h"

#include "engine/system/file_names.h"

#include <mutex>

namespace velandry::encoder {

QString errorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

AudioFault fault(AudioFault::Kind kind, int error)
{
    return {kind, errorText(error)};
}

void quietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (av_log_get_level() == AV_LOG_INFO)
            av_log_set_level(AV_LOG_QUIET);
    });
}

} // namespace velandry::encoder
