// The settings dialog's colors page: the palette's panels, the generated state colors and the
// saved palettes.

#include "ui/u_SettingsDialog.h"

#include "base/u_Host.h"
#include "base/u_Text.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"
#include "view/u_Palette.h"
#include "view/u_SettingsChoices.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QWidget* TfrmSettings::CreateColorsPage()
{
    auto* page = new QWidget;
    auto* grpPalettes = new QGroupBox("Palettes");
    lisPalettes = new QListWidget;
    lisPalettes->setObjectName("lisPalettes");
    lisPalettes->setToolTip("Double-click the palette to load it");
    connect(lisPalettes, &QListWidget::itemDoubleClicked, this,
            [this] { LoadPaletteIntoPanels(); });
    auto* cmdSavePalette = CommandButton("cmdSavePalette", "Save as...", false);
    cmdSavePalette->setToolTip("Save current color palette as...");
    auto* cmdUpdatePalette = CommandButton("cmdUpdatePalette", "Update", false);
    cmdUpdatePalette->setToolTip("Overwrite selected palette with current colors");
    connect(cmdSavePalette, &QPushButton::clicked, this, [this] { SavePaletteAs(); });
    connect(cmdUpdatePalette, &QPushButton::clicked, this, [this] { UpdatePalette(); });
    auto* palettes = new QVBoxLayout(grpPalettes);
    palettes->addWidget(lisPalettes);
    auto* paletteButtons = new QHBoxLayout;
    paletteButtons->addWidget(cmdSavePalette);
    paletteButtons->addWidget(cmdUpdatePalette);
    palettes->addLayout(paletteButtons);

    auto panel = [this](const QString& name, const QString& caption) {
        auto* p = new TColorPanel(name, caption);
        connect(p, &QPushButton::clicked, this, [this, p] { ChooseColor(p); });
        return p;
    };
    auto* grpCells = new QGroupBox("Cells in states");
    auto* cells = new QGridLayout(grpCells);
    cells->setSpacing(2);
    for (int s = 1; s <= kPaletteStates; ++s) {
        TColorPanel* p =
            panel(QString("pnlCloCell%1").arg(s, 2, 10, QChar('0')), QString::number(s));
        FColorPanels[size_t(piState1 + s - 1)] = p;
        cells->addWidget(p, (s - 1) / 8, (s - 1) % 8);
    }

    auto* grpBoard = new QGroupBox("Board");
    auto* board = new QGridLayout(grpBoard);
    const std::tuple<int, const char*, const char*, const char*> boardColors[] = {
        {piBackground, "pnlCloBack", "cmdCloBack", "&Background"},
        {piGrid, "pnlCloGridStd", "cmdCloGridStd", "Normal &grid line"},
        {piGridBold, "pnlCloGridBld", "cmdCloGridBld", "Bold grid line"}};
    for (const auto& [index, name, buttonName, caption] : boardColors) {
        TColorPanel* p = panel(name, "");
        FColorPanels[size_t(index)] = p;
        auto* button = CommandButton(buttonName, caption, false);
        connect(button, &QPushButton::clicked, this, [this, p] { ChooseColor(p); });
        board->addWidget(p, index, 0);
        board->addWidget(button, index, 1);
    }

    auto* grpGen = new QGroupBox("Cells color generator");
    auto* gen = new QGridLayout(grpGen);
    for (int i = 0; i < 4; ++i) {
        FGenPanels[size_t(i)] = panel(QString("pnlCloGen%1").arg(i + 1), "");
        auto* field = new QLineEdit;
        field->setObjectName(QString("fldCloGen%1").arg(i + 1));
        field->setMaximumWidth(fontMetrics().horizontalAdvance("0000") + 12);
        FGenStates[size_t(i)] = field;
        gen->addWidget(FGenPanels[size_t(i)], 0, i);
        gen->addWidget(field, 1, i);
    }
    auto* cmdDoIt = CommandButton("cmdCloGenDoIt", "&Do it", false);
    connect(cmdDoIt, &QPushButton::clicked, this, [this] { GenerateColors(); });
    gen->addWidget(cmdDoIt, 0, 4, 2, 1);
    gen->setColumnStretch(5, 1);

    auto* grpPreview = new QGroupBox("Preview");
    pbCloSample = new TPreview;
    auto* preview = new QVBoxLayout(grpPreview);
    preview->addWidget(pbCloSample);

    auto* layout = new QGridLayout(page);
    layout->addWidget(grpPalettes, 0, 0, 2, 1);
    layout->addWidget(grpCells, 0, 1, 1, 2);
    layout->addWidget(grpBoard, 1, 1);
    layout->addWidget(grpPreview, 1, 2);
    layout->addWidget(grpGen, 2, 0, 1, 3);
    layout->setRowStretch(3, 1);
    return page;
}

// The preview shows the panels' colours and the Board page's bold lines.
void TfrmSettings::FillColors()
{
    for (int i = 0; i < kPaletteColors; ++i)
        pbCloSample->Colors.SetColor(i, FColorPanels[size_t(i)]->Color());
    pbCloSample->BoldLines = chkBoldLines->isChecked();
    pbCloSample->BoldStep = spnBoldLines->value();
    pbCloSample->update();
}

void TfrmSettings::ApplyColors()
{
    TCPalette& colors = FTargets.Globals.Palette.Colors;
    for (int i = 0; i < kPaletteColors; ++i) colors.SetColor(i, FColorPanels[size_t(i)]->Color());
    TWindowSettings& w = FTargets.Config.Window;
    for (size_t i = 0; i < FGenPanels.size(); ++i) {
        w.GenColors[i] = FGenPanels[i]->Color();
        w.GenColorStates[i] = SafeInt(FGenStates[i]->text().toStdString());
    }
}

void TfrmSettings::GenerateColors()
{
    TColorAnchors anchors{};
    for (size_t i = 0; i < FGenPanels.size(); ++i) {
        anchors.Colors[i] = FGenPanels[i]->Color();
        anchors.States[i] = SafeInt(FGenStates[i]->text().toStdString());
    }
    TStateColors colors;
    for (int s = 0; s < kPaletteStates; ++s)
        colors[size_t(s)] = FColorPanels[size_t(piState1 + s)]->Color();
    GenerateStateColors(colors, anchors);
    for (int s = 0; s < kPaletteStates; ++s)
        FColorPanels[size_t(piState1 + s)]->SetColor(colors[size_t(s)]);
    FillColors();
}

void TfrmSettings::ChooseColor(TColorPanel* panel)
{
    std::optional<uint32_t> color;
    Asking([&] { color = AskColor(panel->Color()); });
    if (color) panel->SetColor(*color);
    FillColors();
}

void TfrmSettings::FillPaletteList()
{
    lisPalettes->clear();
    for (const std::string& name : ListPalettes(FTargets.Globals.ProgramFolder))
        lisPalettes->addItem(QString::fromStdString(name));
}

void TfrmSettings::LoadPaletteIntoPanels()
{
    const QListWidgetItem* item = lisPalettes->currentItem();
    TCPalette colors;
    for (int i = 0; i < kPaletteColors; ++i) colors.SetColor(i, FColorPanels[size_t(i)]->Color());
    if (item && colors.Load(FTargets.Globals.ProgramFolder, item->text().toStdString()))
        for (int i = 0; i < kPaletteColors; ++i) FColorPanels[size_t(i)]->SetColor(colors.Color(i));
    FillColors();
}

void TfrmSettings::SavePaletteAs()
{
    std::optional<QString> answer;
    Asking([&] { answer = AskText("Palette", "Enter the palette name"); });
    if (!answer) return;
    const std::string name(Trim(answer->toStdString()));
    if (name.empty()) return;
    const std::string& folder = FTargets.Globals.ProgramFolder;
    THost& host = FTargets.Globals.Host;
    TMsgAnswer overwrite = TMsgAnswer::Yes;
    if (PaletteExists(folder, name))
        Asking([&] {
            overwrite =
                host.ShowMessage("Such palette already exists.\nDo you want to overwrite it?",
                                 "File exists", TMsgIcon::Question, TMsgButtons::YesNo);
        });
    if (overwrite != TMsgAnswer::Yes) return;
    FillColors();
    if (!pbCloSample->Colors.Save(host, folder, name)) return;
    FillPaletteList();
    if (OnPalettesChanged) OnPalettesChanged();
}

void TfrmSettings::UpdatePalette()
{
    THost& host = FTargets.Globals.Host;
    const QListWidgetItem* item = lisPalettes->currentItem();
    TMsgAnswer answer = TMsgAnswer::No;
    Asking([&] {
        if (!item)
            host.ShowMessage("First mark the palette to be overwritten!", "Palette",
                             TMsgIcon::Information, TMsgButtons::Ok);
        else
            answer =
                host.ShowMessage("Do you really want to overwrite the selected palette with "
                                 "current colors?",
                                 "Please confirm", TMsgIcon::Question, TMsgButtons::YesNoDefaultNo);
    });
    if (answer != TMsgAnswer::Yes) return;
    FillColors();
    pbCloSample->Colors.Save(host, FTargets.Globals.ProgramFolder, item->text().toStdString());
}
