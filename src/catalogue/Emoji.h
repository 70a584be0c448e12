#pragma once

#include <QStringList>
#include <QUuid>

// One emoji as the picker shows it. Every value made gets a new id, and only the
// id makes two values equal; where two entries are the same emoji, compare symbols.
struct Emoji {
    QUuid id;
    QString symbol; // may carry a skin-tone modifier
    QString description;
    QStringList aliases;
    QStringList tags;
    // The name in the user's language, where it has one, and the words that
    // find it there: that name and its keywords, as search compares them
    // (EmojiWords, foldedForSearch).
    QString localName{};
    QStringList localWords{};

    // The name shown and said: the user's language's, else the description.
    const QString& shownName() const { return localName.isEmpty() ? description : localName; }

    static Emoji make(QString symbol, QString description, QStringList aliases, QStringList tags);
    // The same emoji, words included, under a new id.
    Emoji copy() const;

    bool operator==(const Emoji& other) const { return id == other.id; }
};
