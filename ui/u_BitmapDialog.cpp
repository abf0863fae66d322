#include "ui/u_BitmapDialog.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_FileFilters.h"
#include "view/u_BoardImage.h"
#include "view/u_BoardView.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

constexpr const char* kFilter = "PNG pictures|*.png|Bitmap files|*.bmp";
constexpr const char* kSuffixes[] = {"png", "bmp"};

} // namespace

TfrmToBmp::TfrmToBmp(TGlobals& globals, TBoardView& view, std::function<QImage()> grabBoardArea,
                     QWidget* parent)
    : QDialog(parent), FGlobals(globals), FView(view), FGrabBoardArea(std::move(grabBoardArea))
{
    setObjectName("frmToBmp");
    setWindowTitle("Create a bitmap");

    auto* grpSource = new QGroupBox("Source");
    rdiUniVsb = new QRadioButton("Visible universe");
    rdiUniVsb->setObjectName("rdiUniVsb");
    rdiUniVsb->setChecked(true);
    rdiUniAll = new QRadioButton("The whole universe");
    rdiUniAll->setObjectName("rdiUniAll");
    auto* sourceBox = new QVBoxLayout(grpSource);
    sourceBox->addWidget(rdiUniVsb);
    sourceBox->addWidget(rdiUniAll);

    QPushButton* btnPutOnClip = CommandButton("btnPutOnClip", "Put on clipboard", true);
    QPushButton* btnSaveTiFile = CommandButton("btnSaveTiFile", "Save to file", false);
    QPushButton* cmdCancel = CommandButton("cmdCancel", "Cancel", false);
    connect(btnPutOnClip, &QPushButton::clicked, this, [this] { MakeBitmap(bdClipboard); });
    connect(btnSaveTiFile, &QPushButton::clicked, this, [this] { MakeBitmap(bdFile); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttonBox = new QVBoxLayout;
    buttonBox->addWidget(btnPutOnClip);
    buttonBox->addWidget(btnSaveTiFile);
    buttonBox->addStretch();
    buttonBox->addWidget(cmdCancel);

    auto* form = new QHBoxLayout(this);
    form->addWidget(grpSource);
    form->addLayout(buttonBox);
    setFixedSize(sizeHint());

    AskSaveFile = [this] {
        QFileDialog dialog(this, "Save bitmap");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList filters = DialogFilters(kFilter);
        dialog.setNameFilters(filters);
        // The filter chosen gives a name without an extension its own.
        dialog.setDefaultSuffix(kSuffixes[0]);
        connect(&dialog, &QFileDialog::filterSelected, &dialog,
                [&dialog, filters](const QString& filter) {
                    dialog.setDefaultSuffix(kSuffixes[filters.indexOf(filter) == 1 ? 1 : 0]);
                });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    PutOnClipboard = [](const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); };
}

void TfrmToBmp::MakeBitmap(TDestination destination)
{
    const QImage picture = rdiUniAll->isChecked() ? WholeUniverse() : VisibleUniverse();
    if (!Store(picture, destination))
        FGlobals.Host.ShowMessage("The bitmap was not created (size too big?)", "Error",
                                  TMsgIcon::Error, TMsgButtons::Ok);
    accept();
}

QImage TfrmToBmp::VisibleUniverse()
{
    // The board area is painted on an image of its own, which nothing covers.
    FView.Redraw(rdAll);
    const QImage area = FGrabBoardArea();
    QImage picture = NewPicture(QSize(FView.AreaWidth(), FView.AreaHeight()));
    if (picture.isNull()) return {};
    picture.fill(Qt::black);
    QPainter(&picture).drawImage(0, 0, area);
    return picture;
}

QImage TfrmToBmp::WholeUniverse()
{
    const TBoard& board = FGlobals.Board;
    QImage picture = NewPicture(QSize(board.Width(), board.Height()));
    if (picture.isNull()) return {};
    PaintBoardImage(board, FGlobals.Palette.Colors, reinterpret_cast<uint32_t*>(picture.bits()),
                    size_t(picture.bytesPerLine()) / sizeof(uint32_t));
    return picture;
}

QImage TfrmToBmp::NewPicture(const QSize& size)
{
    if (size.isEmpty() || !FGlobals.Memory.Allow()) return {};
    // Null when the pixels cannot be allocated.
    return QImage(size, QImage::Format_RGB32);
}

bool TfrmToBmp::Store(const QImage& picture, TDestination destination)
{
    if (picture.isNull()) return false;
    if (destination == bdClipboard) {
        PutOnClipboard(picture);
        return true;
    }
    const QString path = AskSaveFile();
    // Cancelling saves nothing and is no failure.
    if (path.isEmpty()) return true;
    // Written aside and renamed, so a failure leaves no half-written file.
    QSaveFile file(path);
    const char* format = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0
                             ? "PNG"
                             : "BMP";
    return file.open(QIODevice::WriteOnly) && picture.save(&file, format) && file.commit();
}
