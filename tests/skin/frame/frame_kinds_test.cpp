// A window's frame kind, title icons, MDI part and show state from its styles and class.
#include "skin/frame/frame_kinds.h"

#include <gtest/gtest.h>

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {
namespace {

TEST(FrameKindsTest, BorderKindFromStylesAndClass) {
  struct KindCase {
    std::uint32_t style;
    std::uint32_t exStyle;
    const char* className;
    TBorderKind expected;
  };
  const KindCase cases[] = {
      {0x00CA0000, 0, "TMainForm", bkSingle},     // caption, system menu, minimise box
      {0x00CF0000, 0, "TMainForm", bkSizeable},   // overlapped window
      {0x80000000, 0, "TPopup", bkNone},          // no caption
      {0x00800000, 0, "TPopup", bkNone},          // border alone is no caption
      {0x00400000, 0, "TPopup", bkNone},          // dialog frame alone neither
      {0x00C00080, 0, "TDialogLike", bkDialog},   // modal frame style
      {0x00C40080, 0, "TDialogLike", bkSizeable}, // the thick frame comes first
      {0x00C40000, kExStyleDlgModalFrame, "X", bkDialog},
      {0x80000000, kExStyleDlgModalFrame, "X", bkDialog},  // whenever the extended style says so
      {0x00CF0000, 0, "#32770", bkDialog},
      {0x80000000, 0, "TMessageForm", bkDialog},
      {0x00CA0000, 0, "#32771", bkSingle},
  };
  for (const KindCase& c : cases) {
    const TWindowFacts facts{.Style = c.style, .ExStyle = c.exStyle, .ClassName = c.className};
    EXPECT_EQ(BorderKindOf(facts), c.expected) << std::hex << c.style << " " << c.className;
  }
  EXPECT_TRUE(IsDialogClass("#32770"));
  EXPECT_TRUE(IsDialogClass("TMessageForm"));
  EXPECT_FALSE(IsDialogClass("#32770 "));
}

TEST(FrameKindsTest, BorderIconsWithTheStyleLeftAloneOnVersionFiveZero) {
  struct IconCase {
    std::uint32_t style;
    std::uint32_t exStyle;
    bool systemMenu, owner, nt;
    int major, minor;
    std::uint8_t expected;
  };
  const IconCase cases[] = {
      {0x00CA0000, 0, false, false, true, 6, 1, 0x0A},  // the main window: Sys | Min
      {0x00CF0000, 0, false, false, true, 10, 0, 0x0B},  // later x.0 versions take the style out
      {0x00CF0000, 0, false, false, true, 6, 0, 0x0B},
      {0x00CF0000, 0, false, false, true, 6, 2, 0x0B},
      {0x00C00000, kExStyleContextHelp, false, true, true, 6, 1, 0x04},
      {0x00C00000, 0, true, true, true, 6, 1, 0x08},  // a system menu handle without the style
      {0x00CA0000, 0, false, false, true, 5, 0, 0x1A},  // unowned on 5.0
      {0x00CA0000, 0, false, true, true, 5, 0, 0x0A},   // owned
      {0x00CA0000, kExStyleAppWindow, false, true, true, 5, 0, 0x1A},
      {0x00CA0000, kExStyleAppWindow, false, true, false, 5, 0, 0x0A},  // not NT
      {0x00CA0000, kExStyleMdiChild, false, false, true, 5, 0, 0x0A},   // unowned MDI child
      {0x00CA0000, 0, false, false, true, 5, 1, 0x0A},
      {0x00CA0000, 0, false, false, true, 4, 0, 0x0A},
  };
  for (const IconCase& c : cases) {
    const TWindowFacts facts{.Style = c.style, .ExStyle = c.exStyle, .ClassName = {},
                             .HasSystemMenu = c.systemMenu,
                             .HasOwner = c.owner, .PlatformNt = c.nt, .MajorVersion = c.major,
                             .MinorVersion = c.minor};
    EXPECT_EQ(BorderIconsOf(facts), c.expected)
        << std::hex << c.style << " " << c.exStyle << std::dec << " " << c.major << "." << c.minor;
  }
}

TEST(FrameKindsTest, FormKindAndShowStates) {
  EXPECT_EQ(FormKindOf({.ExStyle = kExStyleMdiChild, .ClassName = {}, .HasMdiClient = true}),
            fkMdiChild);
  EXPECT_EQ(FormKindOf({.ClassName = {}, .HasMdiClient = true}), fkMdiFrame);
  EXPECT_EQ(FormKindOf({}), fkOrdinary);

  const TShowState placement[] = {ssNormal, ssNormal, ssMinimized, ssMaximized, ssNormal, ssNormal,
                                  ssMinimized, ssMinimized, ssNormal, ssNormal, ssNormal, ssNormal};
  for (int code = 0; code < 12; ++code) EXPECT_EQ(ReadShowState(code), placement[code]) << code;

  EXPECT_EQ(ShowStateFromSize(kSizeRestored, ssMaximized), ssNormal);
  EXPECT_EQ(ShowStateFromSize(kSizeMinimized, ssNormal), ssMinimized);
  EXPECT_EQ(ShowStateFromSize(kSizeMaximized, ssNormal), ssMaximized);
  EXPECT_EQ(ShowStateFromSize(3, ssMinimized), ssMinimized);  // another window was maximised
  EXPECT_EQ(ShowStateFromSize(4, ssMaximized), ssMaximized);
}

}  // namespace
}  // namespace varnelta::frame
