#include "catalogue/Emoji.h"

#include <QRandomGenerator>
#include <array>
#include <bit>

namespace {

// A version 4 UUID from the process's generator: QUuid::createUuid() asks the
// system for every one, which costs more than the rest of loading an emoji.
QUuid randomId() {
    std::array<quint32, 4> words;
    QRandomGenerator::global()->fillRange(words.data(), qsizetype(words.size()));
    auto bytes = std::bit_cast<std::array<char, 16>>(words);
    bytes[6] = char((bytes[6] & 0x0F) | 0x40);
    bytes[8] = char((bytes[8] & 0x3F) | 0x80);
    return QUuid::fromRfc4122(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace

Emoji Emoji::make(QString symbol, QString description, QStringList aliases, QStringList tags) {
    return {randomId(), std::move(symbol), std::move(description), std::move(aliases),
            std::move(tags)};
}

Emoji Emoji::copy() const {
    Emoji same = *this;
    same.id = randomId();
    return same;
}
