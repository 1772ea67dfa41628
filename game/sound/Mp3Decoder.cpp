#include "sound/Mp3Decoder.h"

#include <QFile>
#include <mpg123.h>

Mp3Decoder::Mp3Decoder() : handle_(mpg123_new(nullptr, nullptr)) {
    if (!handle_)
        return;
    mpg123_param(handle_, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
}

Mp3Decoder::~Mp3Decoder() {
    close();
    mpg123_delete(handle_);
}

bool Mp3Decoder::open(const QString& path) {
    close();
    if (!handle_ || mpg123_open(handle_, QFile::encodeName(path).constData()) != MPG123_OK)
        return false;
    open_ = readFormat();
    if (!open_)
        mpg123_close(handle_);
    return open_;
}

// The output format is fixed to the file's own rate and channels in 16 bits, so the decoder never
// changes it halfway.
bool Mp3Decoder::readFormat() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
        (channels != 1 && channels != 2))
        return false;
    mpg123_format_none(handle_);
    if (mpg123_format(handle_, rate, channels, MPG123_ENC_SIGNED_16) != MPG123_OK)
        return false;
    rate_ = static_cast<int>(rate);
    channels_ = channels;
    atEnd_ = false;
    return true;
}

void Mp3Decoder::close() {
    if (open_)
        mpg123_close(handle_);
    open_ = false;
    atEnd_ = false;
    rate_ = channels_ = 0;
}

std::int64_t Mp3Decoder::length() const {
    return open_ ? std::max<std::int64_t>(0, mpg123_length(handle_)) : 0;
}

std::int64_t Mp3Decoder::position() const {
    return open_ ? std::max<std::int64_t>(0, mpg123_tell(handle_)) : 0;
}

void Mp3Decoder::seek(std::int64_t frame) {
    if (!open_)
        return;
    atEnd_ =
        mpg123_seek(handle_, static_cast<off_t>(std::max<std::int64_t>(0, frame)), SEEK_SET) < 0;
}

std::size_t Mp3Decoder::read(std::span<std::int16_t> samples) {
    const auto frameBytes = static_cast<std::size_t>(channels_) * sizeof(std::int16_t);
    auto* bytes = reinterpret_cast<unsigned char*>(samples.data());
    const std::size_t room =
        samples.size_bytes() - samples.size_bytes() % std::max<std::size_t>(frameBytes, 1);
    std::size_t filled = 0;
    while (open_ && !atEnd_ && filled < room) {
        std::size_t done = 0;
        const int result = mpg123_read(handle_, bytes + filled, room - filled, &done);
        filled += done;
        if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) || done == 0)
            atEnd_ = true;
    }
    return frameBytes == 0 ? 0 : filled / frameBytes;
}
