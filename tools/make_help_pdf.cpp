// Writes the planner's guide abi.PDF from its HTML source, at build time.
//   make_help_pdf SOURCE.html TARGET.PDF
// The document is laid out on the PDF's pages here and drawn page by page, so that the pages
// checked for stranded headings are the pages printed.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>
#include <QTextLayout>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>

namespace {

// Margins around the text on every page, in millimetres; the page number stands in the
// bottom margin, right-aligned with the text.
constexpr double kMarginMm = 30.0;

double deviceUnits(const QPdfWriter& pdf, double millimetres) {
    return millimetres / 25.4 * pdf.resolution();
}

// The layout takes frame margins at the screen's resolution and scales them to the device.
double screenUnits(double millimetres) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return millimetres / 25.4 * dpi;
}

// Lays the document out on A4 pages in the PDF's own units.
void layOutOnPages(QTextDocument& document, QPdfWriter& pdf) {
    document.documentLayout()->setPaintDevice(&pdf);
    const double margin = screenUnits(kMarginMm);
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(margin);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(QSizeF(pdf.width(), pdf.height()));
}

// The page on which a block's first line stands. A line that does not fit at the foot of a
// page moves to the next page while its block keeps its place.
int pageOf(const QTextDocument& document, const QTextBlock& block) {
    double top = document.documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    if (layout != nullptr && layout->lineCount() > 0)
        top = layout->position().y() + layout->lineAt(0).y();
    return int(std::floor(top / document.pageSize().height()));
}

// The first heading whose next block begins on a later page, so that the heading would stand
// alone at the foot of its page; an invalid block when there is none.
QTextBlock strandedHeading(const QTextDocument& document) {
    for (QTextBlock b = document.begin(); b.isValid() && b.next().isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0) continue;
        if (pageOf(document, b.next()) > pageOf(document, b)) return b;
    }
    return {};
}

// The guide laid out on the PDF's pages, each block of `breaks` starting a new page.
std::unique_ptr<QTextDocument> guide(const QString& html, QPdfWriter& pdf,
                                     const std::set<int>& breaks) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    for (int number : breaks) {
        const QTextBlock block = document->findBlockByNumber(number);
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
    layOutOnPages(*document, pdf);
    return document;
}

// Lays the guide out with every heading that would end a page moved to the top of the next
// one. Each move only pushes later text down, so the headings are settled from the first to
// the last, each on a fresh layout.
std::unique_ptr<QTextDocument> guideWithHeadingsKeptWithTheirText(const QString& html,
                                                                  QPdfWriter& pdf) {
    std::set<int> breaks;
    for (;;) {
        std::unique_ptr<QTextDocument> document = guide(html, pdf, breaks);
        const QTextBlock stranded = strandedHeading(*document);
        if (!stranded.isValid() || !breaks.insert(stranded.blockNumber()).second) return document;
    }
}

void drawPages(const QTextDocument& document, QPdfWriter& pdf) {
    QPainter painter(&pdf);
    const QSizeF page = document.pageSize();
    const double margin = deviceUnits(pdf, kMarginMm);
    const QFontMetricsF metrics(document.defaultFont(), &pdf);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0) pdf.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(document.defaultFont());
        const QString number = QString::number(i + 1);
        const double right = page.width() - margin;
        const double baseline = page.height() - margin + metrics.ascent() + metrics.height();
        painter.drawText(QPointF(right - metrics.horizontalAdvance(number), baseline), number);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help_pdf SOURCE.html TARGET.PDF\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_help_pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("LUMBRIX kasutusjuhend / planner's guide"));
    const std::unique_ptr<QTextDocument> document =
        guideWithHeadingsKeptWithTheirText(QString::fromUtf8(source.readAll()), pdf);
    drawPages(*document, pdf);
    return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
