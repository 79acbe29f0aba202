#include "platform/DocTemplate.h"

namespace dulm {

CMultiDocTemplate::CMultiDocTemplate(unsigned resourceId, std::string docString, DocumentFactory makeDocument,
                                     ViewFactory makeView)
    : m_resourceId(resourceId), m_makeDocument(std::move(makeDocument)), m_makeView(std::move(makeView)) {
    size_t start = 0;
    for (;;) {
        const size_t end = docString.find('\n', start);
        m_fields.push_back(docString.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

std::string CMultiDocTemplate::GetDocString(DocStringIndex index) const {
    return static_cast<size_t>(index) < m_fields.size() ? m_fields[static_cast<size_t>(index)] : std::string();
}

}  // namespace dulm
