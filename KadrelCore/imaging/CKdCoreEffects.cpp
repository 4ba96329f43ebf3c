// The effects pipeline of the engine.
#include "../capture/CKdCore.h"

#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"

void CKdCore::RefreshImageData()
{
    if (!m_bmpSource.m_hObject)
        return;
    // Always from the unprocessed capture, so effects never accumulate.
    m_bmpResult.CopyImage(&m_bmpSource);
    if (m_bApplyEffects) {
        CImageGrayer grayer;
        CImageNegator negator;
        CImageColorReplacer replacer(0x000000, 0x0000FF);
        CImageFlipper flipper(GetFlipHorz(), GetFlipVert());
        CImageRotator rotator(GetRotateAngle(), m_bInterpolate);
        CImageResizer resizer(GetScaleFactor() / 100.0);
        CImageShearer shearer(GetShearAcross() ? GetShearAcrossAmout() : 0, GetShearDown() ? GetShearDownAmout() : 0,
                              m_bInterpolate);
        CImageBlurrer blurrer(GetBlurFactor());
        CImageSharpener sharpener(GetSharpenFactor());

        // The fixed order of the effects.
        CProcessorArray chain;
        if (GetGrayScale())
            chain.Add(&grayer);
        if (GetNegate())
            chain.Add(&negator);
        if (m_bReplaceColor)
            chain.Add(&replacer);
        if (GetFlipHorz() || GetFlipVert())
            chain.Add(&flipper);
        if (GetRotate())
            chain.Add(&rotator);
        if (GetScale())
            chain.Add(&resizer);
        if (GetShearDown() || GetShearAcross())
            chain.Add(&shearer);
        if (GetBlur())
            chain.Add(&blurrer);
        if (GetSharpen())
            chain.Add(&sharpener);
        // A failed chain (a scale of 0 or less) leaves the plain copy.
        m_bmpResult.ProcessImage(chain);
    }
    ClearGdiplusImage();
    m_pImage = ConvertImage(static_cast<HBITMAP>(m_bmpResult.m_hObject));
    SetThubImage(m_pImage);
}
