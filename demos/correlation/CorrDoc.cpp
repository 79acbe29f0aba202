#include "demos/correlation/CorrDoc.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Clock.h"
#include "platform/Rand.h"
#include "res/Resources.h"

namespace dulm {

namespace {

constexpr float kCount = 26.0f;
constexpr float kRandMax = 32767.0f;
constexpr int kRejectFrom = 32760;  // 26 * 1260: the draws that give every index equally often
constexpr int kIndexDivisor = 1260;

int RandomIndex() {
    int a = rand();
    while (a >= kRejectFrom) a = rand();
    return a / kIndexDivisor;
}

}  // namespace

float GenerateSortedSample(CorrValues& values) {
    for (;;) {
        float sum = 0.0f;
        float sumSq = 0.0f;
        for (int i = 0; i < kCorrPoints; ++i) {
            const float v = static_cast<float>(rand()) / kRandMax * (i < kCorrPoints / 2 ? 4.5f : -4.5f);
            values[size_t(i)] = v;
            sum += v;
            sumSq += v * v;
        }
        const float mean = sum / kCount;
        const float sd = std::sqrt(sumSq / kCount - mean * mean);
        for (float& v : values) v -= mean;
        std::sort(values.begin(), values.end());
        // A rounding error that leaves the variance below zero counts as no spread at all.
        if (values.front() < -5.0f || values.back() > 5.0f || !(sd > 0.0f)) continue;
        return sd;
    }
}

CCorrDoc::CCorrDoc() {
    for (int i = 0; i < kCorrPoints; ++i) m_letters[size_t(i)] = static_cast<char>('a' + i);
}

bool CCorrDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    srand(static_cast<unsigned>((time(nullptr) & 0xFF) * 255));
    m_nPairs = 0;
    m_sdX = GenerateSortedSample(m_x);
    m_sdY = GenerateSortedSample(m_y);
    return true;
}

bool CCorrDoc::OnCommand(unsigned id) {
    if (id == res::ID_LETTERS) {
        if (m_bLetters != 1) {
            m_bLetters = 1;
            UpdateAllViews();
        }
        return true;
    }
    if (id == res::ID_CIRCLES) {
        if (m_bLetters) {
            m_bLetters = 0;
            UpdateAllViews();
        }
        return true;
    }
    return false;
}

bool CCorrDoc::OnUpdateCommand(CCmdUI& cmdUI) {
    if (cmdUI.m_nID == res::ID_LETTERS) cmdUI.SetCheck(m_bLetters);
    else if (cmdUI.m_nID == res::ID_CIRCLES) cmdUI.SetCheck(1 - m_bLetters);
    else return false;
    return true;
}

void InterchangePairs(CCorrDoc& doc) {
    for (int k = 0; k < doc.m_nPairs; ++k) {
        int i = 0;
        int j = 0;
        do {
            i = RandomIndex();
            j = RandomIndex();
        } while (i == j);
        std::swap(doc.m_y[size_t(i)], doc.m_y[size_t(j)]);
        std::swap(doc.m_letters[size_t(i)], doc.m_letters[size_t(j)]);
    }
}

}  // namespace dulm
