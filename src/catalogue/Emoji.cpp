#include "catalogue/Emoji.h"

Emoji Emoji::make(QString symbol, QString description, QStringList aliases, QStringList tags) {
    return {QUuid::createUuid(), std::move(symbol), std::move(description), std::move(aliases),
            std::move(tags)};
}

Emoji Emoji::copy() const {
    return make(symbol, description, aliases, tags);
}
