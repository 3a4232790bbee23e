#include "colormemo/scantext.h"

#include <algorithm>

void TDrawEventSource::setColorLimMax(int count)
{
    m_buffer.assign(size_t(qMax(0, count)), TKeyDescr());
    m_buffer.shrink_to_fit();
}

const std::vector<TKeyDescr> &TDrawEventSource::ask(TColorRule &sender, int fromPos, int *count)
{
    *count = 0;
    if (!m_onDraw || m_buffer.empty())
        return m_buffer;
    const size_t limit = m_buffer.size();
    std::fill(m_buffer.begin(), m_buffer.end(), TKeyDescr());
    int itemsCount = 0;
    m_onDraw(sender, fromPos, m_buffer, itemsCount);
    // A handler that resized the buffer or overstated its count must not
    // make the pass read beyond what it filled.
    m_buffer.resize(limit);
    *count = qBound(0, itemsCount, int(limit));
    return m_buffer;
}

void ScanText::setText(QStringView text, int startPos)
{
    m_text = text;
    m_startPos = startPos;
    m_upperValid = false;
}

QStringView ScanText::upper() const
{
    if (!m_upperValid) {
        m_upper.resize(m_text.size());
        QChar *out = m_upper.data();
        for (qsizetype i = 0; i < m_text.size(); ++i)
            out[i] = upperChar(m_text[i]);
        m_upperValid = true;
    }
    return m_upper;
}
