// The show window: its design, the order and timing of the pictures, the
// keys and mouse buttons, pictures that fail to load, the formats it loads.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "lumatra/frmSlide.h"
#include "lumatra/slide_show.h"
#include "lumatra_window_fixture.h"
#include "rt/screen.h"
#include "show_script.h"
#include "testkit/sample_pictures.h"

using lumatra_test::Click;
using lumatra_test::LumatraWindowTest;
using lumatra_test::PressKey;
using lumatra_test::RunShow;
using lumatra_test::ShowStep;
using lumatra_test::TypeChar;
namespace modCommand = lumatra::modCommand;

namespace {

std::string Bmp(int width, int height) { return testkit::BmpBytes(testkit::BlockPattern(width, height)); }

class SlideTest : public LumatraWindowTest {
protected:
    // The tests deliver the ticks; the timer's own come only after the longest delay.
    void SetUp() override {
        LumatraWindowTest::SetUp();
        modCommand::intCycleDelay = 30;
    }

    // Lists the files; returns their paths.
    std::vector<std::string> List(const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<std::string> paths;
        for (const auto& [name, bytes] : files) {
            paths.push_back(folder.Write(name, bytes));
            window.AddToList(paths.back(), false);
        }
        return paths;
    }
    std::string Caption(const lumatra::frmSlide& show) const { return show.lblFileName.Caption(); }
    // The show waits for the tick of this row's picture.
    std::function<bool()> Showing(const lumatra::frmSlide& show, const std::string& path) const {
        return [&show, caption = lumatra::SlideCaption(path)] {
            return show.Timer1.Enabled() && show.lblFileName.Caption() == caption;
        };
    }
};

// One row, list order, no loop: the picture centred, its caption, one tick, the end.
TEST_F(SlideTest, OneRowClosesAfterOneTick) {
    const auto rows = List({{"big.bmp", Bmp(1100, 800)}});
    modCommand::intCycleDelay = 29;
    lumatra::frmSlide show(window.lv1);
    bool looked = false;
    EXPECT_TRUE(RunShow(show, {{Showing(show, rows[0]), [&] {
                                    looked = true;
                                    const LONG_PTR style = GetWindowLongPtrA(show.hwnd(), GWL_STYLE);
                                    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
                                    EXPECT_TRUE(IsZoomed(show.hwnd()));
                                    EXPECT_EQ(show.Timer1.Interval(), 29000);
                                    EXPECT_TRUE(show.lblFileName.Visible());
                                    EXPECT_EQ(show.lblFileName.Left(), 120);
                                    EXPECT_EQ(show.lblFileName.Top(), 120);
                                    EXPECT_EQ(show.imgShow.Width(), rt::PixelsToTwipsX(1100));
                                    // Larger than the screen: cut off evenly on both sides.
                                    EXPECT_DOUBLE_EQ(show.imgShow.Left(),
                                                     lumatra::CentredPosition(rt::ScreenWidth(), show.imgShow.Width()));
                                    EXPECT_DOUBLE_EQ(show.imgShow.Top(),
                                                     lumatra::CentredPosition(rt::ScreenHeight(), show.imgShow.Height()));
                                    EXPECT_LT(show.imgShow.Left(), 0);
                                    show.Timer1_Timer();
                                }}}));
    EXPECT_TRUE(looked);
    EXPECT_FALSE(show.IsLoaded());
}

// The caption's letters lie on the picture: around them the picture shows,
// not the window's black, and the next picture shows there in its turn.
TEST_F(SlideTest, TheCaptionShowsThePictureAroundItsLetters) {
    const COLORREF colours[] = {RGB(255, 170, 30), RGB(40, 230, 230)};
    std::vector<std::string> rows;
    for (COLORREF c : colours) {
        // Larger than the screen, so that it lies under the caption's corner.
        testkit::Pixels p{1100, 800, std::vector<uint32_t>(1100 * 800, (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c))};
        rows.push_back(folder / (rows.empty() ? "first.png" : "the second picture.png"));
        ASSERT_TRUE(testkit::WriteEncoded(p, rows.back(), L"image/png"));
        window.AddToList(rows.back(), false);
    }
    lumatra::frmSlide show(window.lv1);
    auto expectPictureAround = [&](COLORREF colour) {
        HWND label = show.lblFileName.hwnd();
        RedrawWindow(show.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT r;
        GetClientRect(label, &r);
        int picture = 0, black = 0, other = 0;
        HDC dc = GetDC(label);
        for (int y = 0; y < r.bottom; ++y) {
            for (int x = 0; x < r.right; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                (p == colour ? picture : p == RGB(0, 0, 0) ? black : other)++;
            }
        }
        ReleaseDC(label, dc);
        EXPECT_EQ(black, 0);
        EXPECT_GT(picture, 2 * other);
    };
    EXPECT_TRUE(RunShow(show, {{Showing(show, rows[0]), [&] {
                                    expectPictureAround(colours[0]);
                                    show.Timer1_Timer();
                                }},
                               {Showing(show, rows[1]), [&] {
                                    expectPictureAround(colours[1]);
                                    TypeChar(show, 27);
                                }}}));
}

TEST_F(SlideTest, WithoutTheNameTheCaptionStaysHidden) {
    const auto rows = List({{"a.bmp", Bmp(20, 10)}});
    modCommand::intIncludeName = 2;  // greyed counts as off
    lumatra::frmSlide show(window.lv1);
    EXPECT_TRUE(RunShow(show, {{Showing(show, rows[0]), [&] {
                                    EXPECT_FALSE(show.lblFileName.Visible());
                                    EXPECT_DOUBLE_EQ(show.imgShow.Left(),
                                                     lumatra::CentredPosition(rt::ScreenWidth(), show.imgShow.Width()));
                                    EXPECT_GT(show.imgShow.Left(), 0);
                                    show.Timer1_Timer();
                                }}}));
}

// Two rows, looping; from the first picture, one input; then where the show stands.
TEST_F(SlideTest, KeysAndMouseButtonsPauseSkipOrEnd) {
    const auto rows = List({{"a.bmp", Bmp(20, 10)}, {"b.bmp", Bmp(10, 20)}});
    enum Outcome { Ends, Pauses, Skips, Nothing };
    const struct {
        const char* input;
        std::function<void(const lumatra::frmSlide&)> give;
        Outcome outcome;
    } cases[] = {
        {"Escape", [](auto& s) { TypeChar(s, 27); }, Ends},
        {"left click", [](auto& s) { Click(s.hwnd(), 1); }, Ends},
        {"left click on the picture", [](auto& s) { Click(s.imgShow.hwnd(), 1); }, Ends},
        {"p", [](auto& s) { TypeChar(s, 'p'); }, Pauses},
        {"P", [](auto& s) { TypeChar(s, 'P'); }, Skips},
        {"Enter", [](auto& s) { TypeChar(s, '\r'); }, Skips},
        {"Space", [](auto& s) { TypeChar(s, ' '); }, Skips},
        {"right click", [](auto& s) { Click(s.hwnd(), 2); }, Skips},
        {"middle click", [](auto& s) { Click(s.hwnd(), 4); }, Skips},
        {"right click on the picture", [](auto& s) { Click(s.imgShow.hwnd(), 2); }, Skips},
        {"arrow", [](auto& s) { PressKey(s, VK_RIGHT); }, Nothing},
        {"Shift", [](auto& s) { PressKey(s, VK_SHIFT); }, Nothing},
        {"F5", [](auto& s) { PressKey(s, VK_F5); }, Nothing},
    };
    modCommand::intLoop = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        lumatra::frmSlide show(window.lv1);
        std::vector<ShowStep> steps = {{Showing(show, rows[0]), [&] { c.give(show); }}};
        const auto settled = [&] {
            switch (c.outcome) {
            case Ends: return !show.IsLoaded();
            case Pauses: return !show.Timer1.Enabled();
            case Skips: return Showing(show, rows[1])();
            case Nothing: return true;
            }
            return false;
        };
        steps.push_back({settled, [&] {
                             if (c.outcome == Nothing || c.outcome == Pauses) {
                                 EXPECT_EQ(Caption(show), lumatra::SlideCaption(rows[0]));
                             }
                             EXPECT_EQ(show.Timer1.Enabled(), c.outcome != Pauses);
                             TypeChar(show, 27);
                         }});
        if (c.outcome == Ends) steps.pop_back();
        EXPECT_TRUE(RunShow(show, std::move(steps)));
    }
}

// "p" pauses and resumes; a skip during a pause ends it, and the next
// picture gets its own tick.
TEST_F(SlideTest, ASkipEndsAPause) {
    const auto rows = List({{"a.bmp", Bmp(20, 10)}, {"b.bmp", Bmp(10, 20)},
                            {"c.bmp", Bmp(5, 5)}});
    lumatra::frmSlide show(window.lv1);
    EXPECT_TRUE(RunShow(show, {
                                  {Showing(show, rows[0]), [&] { TypeChar(show, 'p'); }},
                                  {[&] { return !show.Timer1.Enabled(); }, [&] { TypeChar(show, 'p'); }},
                                  {Showing(show, rows[0]), [&] { TypeChar(show, 'p'); }},
                                  {[&] { return !show.Timer1.Enabled(); }, [&] { Click(show.hwnd(), 2); }},
                                  {Showing(show, rows[1]), [&] { show.Timer1_Timer(); }},
                                  {Showing(show, rows[2]), [&] { show.Timer1_Timer(); }},
                              }));
}

// Rows that fail leave the picture and caption before them up while the
// show moves straight on: one tick after the first picture, the show ends.
TEST_F(SlideTest, AFailedLoadKeepsThePictureBeforeIt) {
    const auto rows = List({{"a.bmp", Bmp(40, 30)},
                            {"text.jpg", "not a picture"},
                            {"empty.gif", ""},
                            {"cut.jpg", "\xFF\xD8\xFF\xE0"}});  // cut off after its first marker
    // Too large to hold: 20,000 x 20,000 pixels.
    ASSERT_TRUE(testkit::WriteOneColourPng(folder / "huge.png", 20000, 20000));
    window.AddToList(folder / "huge.png", false);
    window.AddToList(folder / "missing.bmp", false);
    window.AddToList(folder.Path(), false);  // a folder
    lumatra::frmSlide show(window.lv1);
    bool looked = false;
    EXPECT_TRUE(RunShow(show, {{Showing(show, rows[0]), [&] {
                                    lumatra_test::AtDestroy(show.hwnd(), [&] {
                                        looked = true;
                                        EXPECT_EQ(show.lblFileName.Caption(),
                                                  lumatra::SlideCaption(rows[0]));
                                        EXPECT_EQ(show.imgShow.Width(), rt::PixelsToTwipsX(40));
                                    });
                                    show.Timer1_Timer();
                                }}}));
    EXPECT_TRUE(looked);
}

// With looping and no row that loads, the black window stays until Escape.
TEST_F(SlideTest, NothingLoadsAndTheLoopEndsOnEscape) {
    List({{"text.jpg", "not a picture"}});
    modCommand::intRandom = 1;
    lumatra::frmSlide show(window.lv1);
    EXPECT_TRUE(RunShow(show, {{nullptr, [&] { TypeChar(show, 27); }}}));
}

// Damaged pictures are passed over on every round of a looping show, and
// Escape still ends it.
TEST_F(SlideTest, DamagedPicturesArePassedOverAndEscapeEnds) {
    std::string gif = testkit::GifBytes(testkit::BlockPattern(8, 8));
    gif.replace(6, 4, std::string(4, '\0'));  // a logical screen of 0 x 0
    std::string bmp = Bmp(8, 8);
    bmp.replace(10, 4, "\xF0\xFF\xFF\x7F");  // pixels 2 GB on
    const std::string icons = std::string(64, '\0');
    const auto rows = List({{"a.bmp", Bmp(20, 10)},
                            {"many.ico", std::string("\0\0\1\0\xFF\xFF", 6) + icons},  // 65,535 images in 70 bytes
                            {"many.cur", std::string("\0\0\2\0\xFF\xFF", 6) + icons},
                            {"far.bmp", bmp},
                            {"b.bmp", Bmp(10, 20)},
                            {"empty.gif", gif}});
    window.AddToList(folder.MakeFolder("folder.jpg"), false);
    modCommand::intLoop = 1;
    lumatra::frmSlide show(window.lv1);
    EXPECT_TRUE(RunShow(show, {
                                  {Showing(show, rows[0]), [&] { show.Timer1_Timer(); }},
                                  {Showing(show, rows[4]), [&] { show.Timer1_Timer(); }},
                                  {Showing(show, rows[0]), [&] { TypeChar(show, 27); }},
                              }));
}

TEST_F(SlideTest, LoadsEveryFormat) {
    std::vector<std::pair<std::string, std::string>> files = {
        {"a.bmp", Bmp(3, 2)},
        {"b.gif", testkit::GifBytes(testkit::BlockPattern(2, 2))},
        {"c.ico", testkit::IconBytes(testkit::BlockPattern(16, 16), 0)},
        {"d.cur", testkit::IconBytes(testkit::BlockPattern(16, 16), 0, true)},
        {"e.wmf", testkit::WmfBytes(1440, 720)}};
    auto rows = List(files);
    rows.push_back(folder / "f.emf");
    ASSERT_TRUE(testkit::WriteEmf(rows.back(), 2000, 1000));
    window.AddToList(rows.back(), false);
    rows.push_back(folder / "g.jpg");
    ASSERT_TRUE(testkit::WriteBlockPatternJpeg(rows.back(), 8, 6));
    window.AddToList(rows.back(), false);

    lumatra::frmSlide show(window.lv1);
    std::vector<ShowStep> steps;
    for (const std::string& row : rows) steps.push_back({Showing(show, row), [&] { show.Timer1_Timer(); }});
    EXPECT_TRUE(RunShow(show, std::move(steps)));
}

}  // namespace
