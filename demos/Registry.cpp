#include "demos/Registry.h"

#include "demos/alpha/AlphView.h"
#include "demos/anova/ScorView.h"
#include "demos/anova2/Scor2View.h"
#include "demos/binomial/QuinView.h"
#include "demos/central/CentView.h"
#include "demos/completemeans/AllView.h"
#include "demos/correlation/CorrView.h"
#include "demos/power/BetaView.h"
#include "demos/regression/RegrView.h"
#include "demos/spinner/SkinView.h"
#include "demos/studentt/StutView.h"
#include "demos/variance/VariView.h"
#include "demos/zentral/ZentView.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

namespace {

template <class Doc, class View>
std::unique_ptr<CMultiDocTemplate> MakeTemplate(unsigned resourceId) {
    return std::make_unique<CMultiDocTemplate>(
        resourceId, res::LoadString(resourceId), [] { return std::make_unique<Doc>(); },
        [] { return std::make_unique<View>(); });
}

}  // namespace

std::vector<std::unique_ptr<CMultiDocTemplate>> MakeDemoTemplates() {
    using namespace res;
    std::vector<std::unique_ptr<CMultiDocTemplate>> templates;
    templates.push_back(MakeTemplate<CQuinDoc, CQuinView>(IDR_BINOMIAL));
    templates.push_back(MakeTemplate<CSkinDoc, CSkinView>(IDR_SPINNER));
    templates.push_back(MakeTemplate<CAllDoc, CAllView>(IDR_COMPLETEMEANS));
    templates.push_back(MakeTemplate<CCentDoc, CCentView>(IDR_CENTRAL));
    templates.push_back(MakeTemplate<CZentDoc, CZentView>(IDR_ZENTRAL));
    templates.push_back(MakeTemplate<CStutDoc, CStutView>(IDR_STUDENTT));
    templates.push_back(MakeTemplate<CVariDoc, CVariView>(IDR_VARIANCE));
    templates.push_back(MakeTemplate<CAlphDoc, CAlphView>(IDR_ALPHA));
    templates.push_back(MakeTemplate<CBetaDoc, CBetaView>(IDR_POWER));
    templates.push_back(MakeTemplate<CCorrDoc, CCorrView>(IDR_CORRELATION));
    templates.push_back(MakeTemplate<CRegrDoc, CRegrView>(IDR_REGRESSION));
    templates.push_back(MakeTemplate<CScorDoc, CScorView>(IDR_ANOVA));
    templates.push_back(MakeTemplate<CScor2Doc, CScor2View>(IDR_ANOVA2));
    return templates;
}

}  // namespace dulm
