#pragma once

#include <QStringList>

// One record of the catalogue file, as the file holds it.
struct EmojiRecord {
    QString emoji;
    QString description;
    QString category;
    QStringList aliases;
    QStringList tags;
};

// The records of a catalogue file: a JSON array of objects, each with the
// strings "emoji", "description" and "category" and the string arrays "aliases"
// and "tags"; other keys are ignored. Fails with a MessageError naming the
// first fault: there is no partial result.
QList<EmojiRecord> readEmojiRecords(const QByteArray& json);
