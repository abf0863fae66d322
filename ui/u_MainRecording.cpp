// Recording runs as animated GIFs: the command, the hook on every generation of a run, and the
// status-bar field that counts the frames.
#include "ui/u_Main.h"

#include "engine/u_Globals.h"
#include "ui/u_HelpWindow.h"
#include "ui/u_RecordDialog.h"
#include "ui/u_StatusBar.h"
#include "view/u_BoardView.h"
#include "view/u_Recorder.h"

#include <QAction>

void TfrmMain::CreateRecording()
{
    frmRecord = new TfrmRecord(this);
    frmRecord->OnHelp = [this](const char* topic) { frmHelp->ShowTopic(topic); };
    AddCommand("cmdRecord", tr("Record animation..."), [this] {
        RecordClick();
    })->setCheckable(true);
    Command("cmdRecord")->setToolTip(tr("Record the coming run as an animated GIF"));
    FGlobals->Run.OnRun = [this](TRunControl::TRunEvent event) {
        if (!FRecorder) return;
        if (event == TRunControl::TRunEvent::RunEnded || !FRecorder->Generation())
            FinishRecording();
        else
            ShowRecording();
    };
}

void TfrmMain::RecordClick()
{
    // The command also ends the recording in progress.
    if (FRecorder) {
        FinishRecording();
        return;
    }
    QString path;
    if (!frmRecord->Execute(path)) {
        ShowRecording();
        return;
    }
    TGlobals& g = *FGlobals;
    const TBoardView& view = *FView;
    const TRect visible{view.ViewLeft(), view.ViewTop(), view.ViewLeft() + view.ViewCols() - 1,
                        view.ViewTop() + view.ViewRows() - 1};
    const TRecordOptions& options = frmRecord->Options;
    FRecorder =
        std::make_unique<TRecorder>(g.Board, ImageColors(g.Palette.Colors), path.toStdString(),
                                    options, visible, options.FrameDelayMs(g.Run.Interval()));
    if (!FRecorder->Start() || FRecorder->Over())
        FinishRecording();
    else
        ShowRecording();
}

void TfrmMain::FinishRecording()
{
    if (!FRecorder) return;
    const std::unique_ptr<TRecorder> recorder = std::move(FRecorder);
    // A frame that did not fit stopped it; the frames before it are still written.
    std::string message = recorder->Error();
    if (!recorder->Finish()) message += (message.empty() ? "" : "\n") + recorder->Error();
    ShowRecording();
    if (!message.empty())
        FGlobals->Host.ShowMessage(message, "Record animation", TMsgIcon::Error, TMsgButtons::Ok);
}

void TfrmMain::ShowRecording()
{
    sttBar->ShowRecording(FRecorder ? FRecorder->Frames() : -1);
    Command("cmdRecord")->setChecked(FRecorder != nullptr);
}
