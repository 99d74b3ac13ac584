#include "docgen/outputstream.h"

#include "project/codec1251.h"

namespace tz {

void OutputStream::write1251(QStringView text) {
    const qsizetype start = m_pending.size();
    m_pending.resize(start + text.size());
    QString unencodable;
    char* end = tz::write1251(text, m_pending.data() + start, unencodable);
    m_pending.truncate(end - m_pending.constData());
    flushIfFull();
}

void OutputStream::flush() {
    if (!m_failed && !m_pending.isEmpty())
        m_failed = m_device.write(m_pending) != m_pending.size();
    m_pending.truncate(0);
}

bool OutputStream::finish() {
    flush();
    return !m_failed;
}

} // namespace tz
