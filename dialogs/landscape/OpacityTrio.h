// The landscape opacity as the panorama and terrain dialogs show it: a slider, an edit and an
// up-down kept in step, in percent from 0 (transparent) to 100 (opaque).
#pragma once

#include "platform/afx/Controls.h"

// One press of an up-down on a clamped value: a negative delta steps up, a positive one down.
int StepClamped(int nValue, int nDelta, int nStep, int nMin, int nMax);

class COpacityTrio {
public:
    static constexpr int kMin = 0;
    static constexpr int kMax = 100;

    // The trio works on the dialog's opacity member and exchanges it through the dialog's data
    // exchange; the controls must be attached before SetUpSlider.
    COpacityTrio(CWnd& dialog, int& nOpacity, CSliderCtrl& slider, CEdit& edit)
        : m_dialog(dialog), m_nOpacity(nOpacity), m_slider(slider), m_edit(edit)
    {
    }

    void SetUpSlider();
    // Acts only when the notifying control is the trio's slider.
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEditChange();

private:
    CWnd& m_dialog;
    int& m_nOpacity;
    CSliderCtrl& m_slider;
    CEdit& m_edit;
};
