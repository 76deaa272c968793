#include <gtest/gtest.h>

#include "platform/win/detail/PublishedWindowList.h"
#include "platform/win/detail/RemoteWindowProtocol.h"

namespace plat {
namespace {

TEST(PublishedWindowList, RoundTripsAwkwardTexts) {
  static const char awkward[] = "line\nbreak\r\x01 and NUL \0 here";
  const std::vector<TPublishedWindow> windows{
      {0x1a2b, true, "TfmZorbitMain", "Ovra Zorbit Management"},
      {0xffffffffffffffffULL, false, "TApplication", ""},
      {7, true, "Tab\tand\\back", String(awkward, sizeof awkward - 1)},
      {8, false, "Ünïcödé", "标题"},
  };
  const String text = EncodeWindowList(windows);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);  // a header and one line each
  const auto decoded = DecodeWindowList(text);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, windows);
  EXPECT_EQ(DecodeWindowList(EncodeWindowList({})), std::vector<TPublishedWindow>{});
}

TEST(PublishedWindowList, OverlongFieldsAreCutWhenWritten) {
  const String title(TPublishedWindowLimits::MaxFieldSize + 100, 'x');
  const auto decoded = DecodeWindowList(EncodeWindowList({{1, true, "C", title}}));
  ASSERT_TRUE(decoded);
  EXPECT_EQ((*decoded)[0].Title.size(), TPublishedWindowLimits::MaxFieldSize);
}

TEST(PublishedWindowList, RefusesMalformedLists) {
  const String header = "ZorbitWindows 1\n";
  const String cases[] = {
      "",
      "ZorbitWindows 2\n",
      "zorbitwindows 1\n",
      header + "1a\t1\tC\tT",           // cut short: no line break
      header + "1a\t1\tC\n",            // a field missing
      header + "1a\t1\tC\tT\textra\n",  // a field too many
      header + "0\t1\tC\tT\n",          // no window has id 0
      header + "-1\t1\tC\tT\n",
      header + "1g\t1\tC\tT\n",
      header + "11111111111111111\t1\tC\tT\n",  // more than 64 bits
      header + "\t1\tC\tT\n",
      header + "1a\t2\tC\tT\n",
      header + "1a\t\tC\tT\n",
      header + "1a\t1\tC\\x4\tT\n",   // escape cut short
      header + "1a\t1\tC\\y41\tT\n",  // unknown escape
      header + "1a\t1\tC\\xG1\tT\n",
      header + "1a\t1\tC\x01\tT\n",  // raw control byte
      header + "1a\t1\tC\tT\n\n",    // empty line
  };
  for (const String& text : cases) EXPECT_FALSE(DecodeWindowList(text)) << text;
}

TEST(PublishedWindowList, RefusesListsBeyondTheLimits) {
  String many = "ZorbitWindows 1\n";
  for (std::size_t i = 0; i <= TPublishedWindowLimits::MaxWindows; ++i) many += "1\t1\tC\tT\n";
  EXPECT_FALSE(DecodeWindowList(many));
  const String longField = "ZorbitWindows 1\n1\t1\tC\t" + String(TPublishedWindowLimits::MaxFieldSize + 1, 'x') + "\n";
  EXPECT_FALSE(DecodeWindowList(longField));
  EXPECT_FALSE(DecodeWindowList("ZorbitWindows 1\n" + String(TPublishedWindowLimits::MaxFileSize, 'x')));
}

TEST(RemoteWindowProtocol, RequestsAndRepliesRoundTrip) {
  const TRemoteRequest requests[] = {
      {TRemoteVerb::SendClose, 0x10, 0},
      {TRemoteVerb::PostClose, 1, 0},
      {TRemoteVerb::Show, 0xabcdef, 9},
      {TRemoteVerb::Show, 2, -5},
      {TRemoteVerb::BringToTop, 3, 0},
      {TRemoteVerb::SetForeground, 4, 0},
      {TRemoteVerb::IsVisible, 0xffffffffffffffffULL, 0},
  };
  for (const TRemoteRequest& request : requests) {
    const String line = EncodeRequest(request);
    ASSERT_EQ(line.back(), '\n');
    EXPECT_LT(line.size(), RemoteLineLimit);
    EXPECT_EQ(DecodeRequest(std::string_view(line).substr(0, line.size() - 1)), request) << line;
  }
  const TRemoteReply replies[] = {{true, 1, 0}, {true, -7, 0}, {false, 0, 1400}};
  for (const TRemoteReply& reply : replies) {
    const String line = EncodeReply(reply);
    EXPECT_EQ(DecodeReply(std::string_view(line).substr(0, line.size() - 1)), reply) << line;
  }
}

TEST(RemoteWindowProtocol, RefusesMalformedLines) {
  const char* requests[] = {
      "",
      "show",
      "show 1",
      "show 1 2 3",
      "close 1",
      "send-close",
      "send-close 0",
      "send-close -1",
      "send-close 1 2",
      "send-close  1",
      "send-close 1 ",
      "is-visible xyz",
      "show 1 +2",
      "show 1 99999999999",
      "SEND-CLOSE 1",
  };
  for (const char* line : requests) EXPECT_FALSE(DecodeRequest(line)) << line;
  EXPECT_FALSE(DecodeRequest("show 1 " + String(RemoteLineLimit, '1')));
  const char* replies[] = {"", "ok", "ok x", "ok 1 2", "error -1", "error", "fine 1", "ok +1"};
  for (const char* line : replies) EXPECT_FALSE(DecodeReply(line)) << line;
}

}  // namespace
}  // namespace plat
