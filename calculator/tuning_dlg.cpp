#include "calculator/tuning_dlg.h"

#include "calculator/about_dlg.h"
#include "framework/core/data_exchange.h"
#include "framework/core/icon.h"
#include "framework/core/paint_dc.h"
#include "pitch/note_lookup.h"
#include "pitch/note_naming.h"
#include "pitch/pitch_table.h"
#include "pitch/synthesis.h"
#include "res/resource.h"

namespace {

constexpr int kPitchClassCount = 12;
// The octave selected when the window opens: table octave 5, the one of the reference A.
constexpr int kInitialOctavePosition = 5;

}  // namespace

CTuningDlg::CTuningDlg(CWnd* parent)
    : CDialog(IDD_MAIN, parent),
      m_nOctaveOffset(kYamahaOctaveOffset),
      m_nOctaveIndex(CB_ERR),
      m_fCent(0),
      m_fReference(0),
      m_fValue(0),
      m_bRoland(0),
      m_bYamaha(0),
      m_nNote(9),
      m_fCentIn(0),
      m_hIcon(AfxLoadIcon(IDR_MAINFRAME)) {}

const MessageMap* CTuningDlg::GetThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {
        MapSysCommand<&CTuningDlg::OnSysCommand>(),
        MapPaint<&CTuningDlg::OnPaint>(),
        MapQueryDragIcon<&CTuningDlg::OnQueryDragIcon>(),
        MapButtonClicked<&CTuningDlg::OnRoland>(IDC_ROLAND),
        MapButtonClicked<&CTuningDlg::OnYamaha>(IDC_YAMAHA),
        MapButtonClicked<&CTuningDlg::OnCalcFrequency>(IDC_CALC_FREQ),
    };
    static constexpr MessageMap map{&CDialog::GetThisMessageMap, entries};
    return &map;
}

void CTuningDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CENT, m_fCent);
    DDX_Text(pDX, IDC_REFERENCE, m_fReference);
    DDX_Text(pDX, IDC_TONE, m_strTone);
    DDX_Text(pDX, IDC_VALUE, m_fValue);
    DDX_Check(pDX, IDC_ROLAND, m_bRoland);
    DDX_Check(pDX, IDC_YAMAHA, m_bYamaha);
    DDX_CBIndex(pDX, IDC_NOTE, m_nNote);
    DDX_Text(pDX, IDC_CENT_IN, m_fCentIn);
    DDX_Control(pDX, IDC_OCTAVE, m_cbOctave);
}

BOOL CTuningDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    AddAboutItemToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_fReference = 440.0f;
    m_bYamaha = 1;
    m_bRoland = 0;
    m_nOctaveOffset = kYamahaOctaveOffset;
    m_cbOctave.SetCurSel(kInitialOctavePosition);
    FillOctaveList(m_bYamaha);
    UpdateData(FALSE);
    return TRUE;
}

void CTuningDlg::AddAboutItemToSystemMenu() {
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    CString aboutItem;
    aboutItem.LoadString(IDS_ABOUTBOX);
    if (!aboutItem.IsEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutItem);
    }
}

void CTuningDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CTuningDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, dc.GetSafeHdc(), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - iconWidth + 1) / 2;
    const int y = (rect.Height() - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTuningDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CTuningDlg::FillOctaveList(int yamaha) {
    const int position = m_cbOctave.GetCurSel();
    m_cbOctave.ResetContent();
    for (const std::string& octave : FormatOctaveList(yamaha)) {
        m_cbOctave.AddString(octave.c_str());
    }
    m_cbOctave.SetCurSel(position);
}

void CTuningDlg::AnalyseFrequency() {
    BuildPitchTable(m_fReference);
    const auto note = FindNearestNote(m_fValue);
    if (!note) {
        // Only NaN or infinity has no nearest note: there is nothing to name.
        m_fCent = NO_NOTE_CENTS;
        m_strTone.Empty();
        return;
    }
    m_fCent = NoteCents(m_fValue, *note);
    m_strTone = FormatNoteLabel(*note, m_nOctaveOffset);
}

void CTuningDlg::OnOK() {
    UpdateData(TRUE);
    AnalyseFrequency();
    UpdateData(FALSE);
}

void CTuningDlg::OnRoland() {
    SwitchOctaveConvention(0);
}

void CTuningDlg::OnYamaha() {
    SwitchOctaveConvention(1);
}

void CTuningDlg::SwitchOctaveConvention(int yamaha) {
    UpdateData(TRUE);
    m_bRoland = yamaha ? 0 : 1;
    m_bYamaha = yamaha ? 1 : 0;
    FillOctaveList(yamaha);
    m_nOctaveOffset = yamaha ? kYamahaOctaveOffset : kRolandOctaveOffset;
    AnalyseFrequency();
    UpdateData(FALSE);
}

void CTuningDlg::OnCalcFrequency() {
    UpdateData(TRUE);
    m_nOctaveIndex = m_cbOctave.GetCurSel();
    BuildPitchTable(m_fReference);
    // Without a note or an octave there is nothing to compute: Val. keeps its value.
    const bool octaveChosen = m_nOctaveIndex >= 0 && m_nOctaveIndex < kOctaveCount;
    const bool noteChosen = m_nNote >= 0 && m_nNote < kPitchClassCount;
    if (octaveChosen && noteChosen) {
        m_fValue = NoteFrequency(m_nNote, m_nOctaveIndex, m_fCentIn);
    }
    UpdateData(FALSE);
}
