#include "platform/linux/EspansoMatchFormat.h"

#include <cstdlib>

// Any file reads without crashing; the entries read, written out again, read
// back as the same entries in the program's own layout, and appending to that
// layout gives the same text as writing it whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const EspansoMatchFormat::Content content = EspansoMatchFormat::read(text);
    using Kind = EspansoMatchFormat::Content::Kind;
    if (content.kind != Kind::own && !content.entries.isEmpty())
        abort();
    const QByteArray written = EspansoMatchFormat::write(content.entries);
    const EspansoMatchFormat::Content again = EspansoMatchFormat::read(written);
    if (again.kind != Kind::own || again.entries != content.entries ||
        again.isExtensible != !content.entries.isEmpty())
        abort();
    if (content.entries.size() > 1) {
        const qsizetype half = content.entries.size() / 2;
        QByteArray extended = EspansoMatchFormat::write(content.entries.first(half));
        EspansoMatchFormat::appendEntries(extended, content.entries.sliced(half));
        if (extended != written)
            abort();
    }
    return 0;
}
