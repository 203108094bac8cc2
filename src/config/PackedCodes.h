#pragma once
// The two values that carry two controls each. The configuration block and
// .cfg files pack them the same way:
// - the message code: bits 0 to 3 the Mic-E list position (cbMicEMsg), bit 4
//   auto-reply (chkAutoReply);
// - the status code: bits 0 to 6 the status interval (edBcnEvery), bit 7 the
//   display flag (chkRxPosition).

namespace tarvek::config
{

struct MessageCode {
    int micEIndex = 0;
    int autoReply = 0; // a check box state
};

// 16 × autoReply + micEIndex. A .cfg file stores the check box state as it
// is (a greyed box's 2 as well); the block passes 1 for any state but clear.
constexpr int packMessageCode(MessageCode parts)
{
    return 16 * parts.autoReply + parts.micEIndex;
}

// The list position from bits 0 to 3; auto-reply 1 when bit 4 is set, else 0.
constexpr MessageCode unpackMessageCode(int code)
{
    return {code & 15, (code & 16) != 0 ? 1 : 0};
}

// The largest status interval: bits 0 to 6.
constexpr int kLargestStatusEvery = 127;

struct StatusCode {
    int every = 0;      // the status text goes out once every this many
    int rxPosition = 0; // a check box state
};

// every + 128 × rxPosition, with the same note on the state as above.
constexpr int packStatusCode(StatusCode parts)
{
    return parts.every + 128 * parts.rxPosition;
}

// The interval from bits 0 to 6; the display flag 1 when bit 7 is set, else 0.
constexpr StatusCode unpackStatusCode(int code)
{
    return {code & kLargestStatusEvery, (code & 128) != 0 ? 1 : 0};
}

} // namespace tarvek::config
