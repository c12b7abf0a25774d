// Placing widgets in twips: a widget keeps its designed place unless what it
// shows needs more (a label its caption, a frame its title and its layout's
// controls), and a page of a tab strip lies inside the strip's page area.

#include "platform/geometry.h"
#include "platform/kit_tab_strip.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

namespace {

QRect Twips(const QRect& pixels)
{
    return {static_cast<int>(PixelsToTwips(pixels.x())), static_cast<int>(PixelsToTwips(pixels.y())),
            static_cast<int>(PixelsToTwips(pixels.width())), static_cast<int>(PixelsToTwips(pixels.height()))};
}

void Place(QWidget* widget, const QRect& twips)
{
    SetTwipsGeometry(widget, twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captions_widen_what_shows_them();
    void page_of_a_tab_strip_lies_inside_its_page_area_data();
    void page_of_a_tab_strip_lies_inside_its_page_area();

private:
    QWidget* window_ = nullptr;
    KitTabStrip* strip_ = nullptr;
};

void TestGeometry::init()
{
    window_ = new QWidget;
    window_->resize(600, 450);
    strip_ = new KitTabStrip(window_);
    strip_->addTab(QStringLiteral("Power"));
    strip_->addTab(QStringLiteral("Limits"));
    Place(strip_, Twips({10, 10, 400, 300}));
    window_->show();
}

void TestGeometry::cleanup()
{
    delete window_;
    window_ = nullptr;
}

void TestGeometry::captions_widen_what_shows_them()
{
    const QString caption = QStringLiteral("Allow transmit");
    auto* label = new QLabel(caption, window_);
    Place(label, Twips({450, 10, 20, 5}));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
    QVERIFY(label->height() >= label->fontMetrics().height());
    QCOMPARE(label->pos(), QPoint(450, 10));

    auto* frame = new QGroupBox(QStringLiteral("Adjustable  frequency  range "), window_);
    Place(frame, Twips({450, 100, 20, 20}));
    QVERIFY(frame->width() >= frame->fontMetrics().horizontalAdvance(frame->title()));

    // Wide enough already: the designed size stands.
    auto* wide = new QLabel(caption, window_);
    Place(wide, Twips({450, 200, 140, 30}));
    QCOMPARE(wide->geometry(), QRect(450, 200, 140, 30));
}

void TestGeometry::page_of_a_tab_strip_lies_inside_its_page_area_data()
{
    // Where the frame is designed to lie, from 10 px inside the page area,
    // and what its controls need; the rectangle it gets, from the area's and
    // from what the frame needs in all.
    QTest::addColumn<QRect>("designed");
    QTest::addColumn<QSize>("needed");
    QTest::addColumn<std::function<QRect(const QRect&, const QSize&)>>("expected");
    QTest::newRow("inside the area: where it was designed")
        << QRect(0, 0, 100, 80) << QSize()
        << std::function([](const QRect& page, const QSize&) { return QRect(page.x() + 10, page.y() + 10, 100, 80); });
    QTest::newRow("over the tabs: moved down to the area")
        << QRect(10, -20, 100, 80) << QSize()
        << std::function([](const QRect& page, const QSize&) { return QRect(page.x() + 20, page.y(), 100, 80); });
    QTest::newRow("past the area's right edge: cut to it")
        << QRect(50, 10, 1000, 80) << QSize(200, 0) << std::function([](const QRect& page, const QSize&) {
               return QRect(page.x() + 60, page.y() + 20, page.width() - 60, 80);
           });
    QTest::newRow("past the right edge, needing more than is left: moved back")
        << QRect(300, 10, 100, 80) << QSize(200, 0) << std::function([](const QRect& page, const QSize& needs) {
               return QRect(page.right() + 1 - needs.width(), page.y() + 20, needs.width(), 80);
           });
    QTest::newRow("past the area's bottom: cut to it")
        << QRect(0, 100, 100, 1000) << QSize() << std::function([](const QRect& page, const QSize&) {
               return QRect(page.x() + 10, page.y() + 110, 100, page.height() - 110);
           });
}

void TestGeometry::page_of_a_tab_strip_lies_inside_its_page_area()
{
    QFETCH(QRect, designed);
    QFETCH(QSize, needed);
    QFETCH(std::function<QRect(const QRect&, const QSize&)>, expected);
    const QRect page(static_cast<int>(strip_->ClientLeft() / kTwipsPerPixel),
                     static_cast<int>(strip_->ClientTop() / kTwipsPerPixel),
                     static_cast<int>(strip_->ClientWidth() / kTwipsPerPixel),
                     static_cast<int>(strip_->ClientHeight() / kTwipsPerPixel));
    QVERIFY(page.y() > strip_->y());  // the tabs lie above it

    auto* frame = new QGroupBox(window_);
    auto* holds = new QWidget(frame);
    holds->setMinimumSize(needed);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(holds);
    const QRect place = Twips(designed.translated(page.topLeft() + QPoint(10, 10)));
    SetTwipsPageGeometry(frame, *strip_, place.x(), place.y(), place.width(), place.height());
    QCOMPARE(frame->geometry(), expected(page, frame->minimumSizeHint()));
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
