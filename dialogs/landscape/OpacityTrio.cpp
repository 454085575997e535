#include "dialogs/landscape/OpacityTrio.h"

#include <algorithm>

int StepClamped(int nValue, int nDelta, int nStep, int nMin, int nMax)
{
    if (nDelta < 0)
        nValue = nValue > nMax - nStep ? nMax : nValue + nStep;
    else if (nDelta > 0)
        nValue = nValue < nMin + nStep ? nMin : nValue - nStep;
    return std::clamp(nValue, nMin, nMax);
}

void COpacityTrio::SetUpSlider()
{
    m_slider.SetRange(kMin, kMax);
    m_slider.SetTicFreq(10);
    m_slider.SendMessage(TBM_SETLINESIZE, 0, 1);
    m_slider.SendMessage(TBM_SETPAGESIZE, 0, 5);
    m_slider.SetPos(m_nOpacity);
}

void COpacityTrio::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (!pScrollBar || pScrollBar->GetSafeHwnd() != m_slider.GetSafeHwnd())
        return;
    // The thumb's own messages carry the position being dragged to; the others leave it to
    // the slider.
    const int position = nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK ? static_cast<int>(nPos)
                                                                                  : m_slider.GetPos();
    m_nOpacity = std::clamp(position, kMin, kMax);
    m_dialog.UpdateData(FALSE);
}

void COpacityTrio::OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_dialog.UpdateData(TRUE))
        return;
    m_nOpacity = StepClamped(m_nOpacity, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta, 5, kMin, kMax);
    m_slider.SetPos(m_nOpacity);
    m_dialog.UpdateData(FALSE);
}

void COpacityTrio::OnEditChange()
{
    if (m_edit.GetWindowTextLength() == 0)
        return;
    if (!m_dialog.UpdateData(TRUE))
        return;
    m_nOpacity = std::clamp(m_nOpacity, kMin, kMax);
    m_slider.SetPos(m_nOpacity);
    m_dialog.UpdateData(FALSE);
}
