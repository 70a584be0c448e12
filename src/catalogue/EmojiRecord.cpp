#include "catalogue/EmojiRecord.h"

#include "platform/MessageError.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// Builds the records while the parser reads, without a document in between:
// the catalogue loads three times faster so. Depth 1 is the array of records,
// 2 a record, 3 and deeper the value of one of its keys.
class RecordReader : public nlohmann::json_sax<Json> {
public:
    QList<EmojiRecord> records;
    QString fault;

    bool null() override { return scalar(); }
    bool boolean(bool) override { return scalar(); }
    bool number_integer(number_integer_t) override { return scalar(); }
    bool number_unsigned(number_unsigned_t) override { return scalar(); }
    bool number_float(number_float_t, const string_t&) override { return scalar(); }
    bool binary(binary_t&) override { return scalar(); }

    bool string(string_t& value) override {
        const QString text = QString::fromUtf8(value.data(), qsizetype(value.size()));
        if (m_depth == 2 && isText(m_field)) {
            m_seen |= bit(m_field);
            textField() = text;
            return true;
        }
        if (m_depth == 3 && isList(m_field)) {
            listField() << text;
            return true;
        }
        return scalar();
    }

    bool start_object(std::size_t) override {
        if (m_depth == 1) {
            records.emplace_back();
            m_seen = 0;
        } else if (!isSkipped()) {
            return fail(m_depth == 0 ? "the catalogue is not an array" : wrongType());
        }
        ++m_depth;
        return true;
    }

    bool end_object() override {
        if (--m_depth != 1)
            return true;
        for (int field = emoji; field < other; ++field) {
            if (!(m_seen & bit(Field(field))))
                return fail(QStringLiteral("record %1 has no \"%2\"")
                                .arg(records.size())
                                .arg(nameOf(field)));
        }
        return true;
    }

    bool start_array(std::size_t) override {
        const bool opensList = m_depth == 2 && isList(m_field);
        if (m_depth != 0 && !opensList && !isSkipped())
            return fail(m_depth == 1 ? recordNotObject() : wrongType());
        if (opensList) {
            m_seen |= bit(m_field);
            listField().clear();
        }
        ++m_depth;
        return true;
    }

    bool end_array() override {
        --m_depth;
        return true;
    }

    bool key(string_t& name) override {
        if (m_depth == 2)
            m_field = fieldNamed(name);
        return true;
    }

    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& error) override {
        return fail(QString::fromUtf8(error.what()));
    }

private:
    enum Field { emoji, description, category, aliases, tags, other };

    static unsigned bit(Field field) { return 1u << field; }
    static bool isText(Field field) { return field <= category; }
    static bool isList(Field field) { return field == aliases || field == tags; }
    static const char* nameOf(int field) {
        static const char* const names[] = {"emoji", "description", "category", "aliases", "tags"};
        return names[field];
    }
    static Field fieldNamed(const std::string& name) {
        for (int field = emoji; field < other; ++field) {
            if (name == nameOf(field))
                return Field(field);
        }
        return other;
    }

    // Inside the value of a key that is not read.
    bool isSkipped() const { return m_depth >= 2 && m_field == other; }

    bool scalar() {
        if (isSkipped())
            return true;
        if (m_depth == 0)
            return fail("the catalogue is not an array");
        return fail(m_depth == 1 ? recordNotObject() : wrongType());
    }

    QString recordNotObject() const {
        return QStringLiteral("record %1 is not an object").arg(records.size() + 1);
    }
    QString wrongType() const {
        return QStringLiteral("\"%1\" of record %2 has the wrong type")
            .arg(nameOf(m_field))
            .arg(records.size());
    }

    bool fail(const QString& text) {
        fault = text;
        return false;
    }

    QString& textField() {
        EmojiRecord& record = records.back();
        return m_field == emoji         ? record.emoji
               : m_field == description ? record.description
                                        : record.category;
    }
    QStringList& listField() {
        return m_field == aliases ? records.back().aliases : records.back().tags;
    }

    int m_depth = 0;
    Field m_field = other;
    unsigned m_seen = 0;
};

} // namespace

QList<EmojiRecord> readEmojiRecords(const QByteArray& json) {
    RecordReader reader;
    if (!Json::sax_parse(json.cbegin(), json.cend(), &reader))
        throw MessageError(reader.fault);
    return std::move(reader.records);
}
