// A document template: resource id, document strings and the factories of its document and view.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Document.h"
#include "platform/View.h"

namespace dulm {

class CMultiDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    // The seven fields of the document string, separated by '\n'.
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    CMultiDocTemplate(unsigned resourceId, std::string docString, DocumentFactory makeDocument, ViewFactory makeView);

    unsigned ResourceId() const { return m_resourceId; }
    std::string GetDocString(DocStringIndex index) const;
    std::unique_ptr<CDocument> CreateDocument() const { return m_makeDocument(); }
    std::unique_ptr<CView> CreateView() const { return m_makeView(); }

private:
    unsigned m_resourceId;
    std::vector<std::string> m_fields;
    DocumentFactory m_makeDocument;
    ViewFactory m_makeView;
};

}  // namespace dulm
