#pragma once

#include "framework/core/combo_box.h"
#include "framework/core/cstring.h"
#include "framework/core/dialog.h"

// The calculator window: analyses a frequency into the nearest note and its deviation in cents,
// computes the frequency of a note, octave and cents offset, and switches between the Roland
// and Yamaha octave numbering.
class CTuningDlg : public CDialog {
public:
    explicit CTuningDlg(CWnd* parent = nullptr);
    ~CTuningDlg() override = default;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The upper "Calc", also the Enter key: analyses the frequency in Val.
    void OnOK() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnRoland();
    void OnYamaha();
    // The lower "Calc": the frequency of the chosen note, octave and cents offset into Val.
    void OnCalcFrequency();

    // Nearest note and deviation of m_fValue against m_fReference, into Tone and Cent.
    void AnalyseFrequency();
    // Refills the octave list with the numbers of a convention, keeping the selected position.
    void FillOctaveList(int yamaha);

    int m_nOctaveOffset;
    int m_nOctaveIndex;
    float m_fCent;
    float m_fReference;
    CString m_strTone;
    float m_fValue;
    int m_bRoland;
    int m_bYamaha;
    int m_nNote;
    float m_fCentIn;
    CComboBox m_cbOctave;
    HICON m_hIcon;

private:
    void AddAboutItemToSystemMenu();
    // The pair of toggles: presses one, releases the other, renames the octaves, analyses again.
    void SwitchOctaveConvention(int yamaha);
};
