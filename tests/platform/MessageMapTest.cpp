#include "platform/MessageMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::Event;
using platform::Message;

namespace {

class Base : public platform::CmdTarget {
public:
    platform::MessageMap const& GetMessageMap() const override {
        static platform::MessageMap const map(
            &CmdTarget::GetMessageMap(),
            {platform::OnCommand(10, &Base::OnTen), platform::OnCommand(20, &Base::OnTwenty),
             platform::OnCommandRange(30, 39, &Base::OnThirties)});
        return map;
    }
    std::vector<std::string> calls;

private:
    void OnTen() { calls.push_back("Base 10"); }
    void OnTwenty() { calls.push_back("Base 20"); }
    void OnThirties(platform::ControlId id) { calls.push_back("Base " + std::to_string(id)); }
};

class Derived final : public Base {
public:
    platform::MessageMap const& GetMessageMap() const override {
        static platform::MessageMap const map(
            &Base::GetMessageMap(), {platform::OnCommand(20, &Derived::OnTwenty),
                                     platform::OnCommand(20, &Derived::OnTwentyAgain),
                                     platform::OnUpdateCommandUI(10, &Derived::OnUpdateTen),
                                     platform::OnPropertyChanged(&Derived::OnProperty)});
        return map;
    }

private:
    void OnTwenty() { calls.push_back("Derived 20"); }
    void OnTwentyAgain() { calls.push_back("Derived 20 again"); }
    // Listed before the base's command 10: only the event kind keeps a command from it.
    void OnUpdateTen(platform::CmdUI& state) { state.Enable(false); }
    long OnProperty(std::uint64_t id, std::int64_t property) {
        calls.push_back("Property " + std::to_string(id) + " " + std::to_string(property));
        return 7;
    }
};

Message Command(int id) {
    Message message;
    message.event = Event::Command;
    message.id = id;
    return message;
}

} // namespace

TEST(MessageMap, the_first_matching_row_wins_derived_rows_first_and_answers_return) {
    Derived target;
    for (int id : {10, 20, 35, 40}) {
        Message message = Command(id);
        EXPECT_EQ(target.OnCmdMsg(message), id != 40) << id;
    }
    EXPECT_EQ(target.calls, (std::vector<std::string>{"Base 10", "Derived 20", "Base 35"}));
    EXPECT_TRUE(target.GetMessageMap().HasRoute(Event::Command, 39));
    EXPECT_FALSE(target.GetMessageMap().HasRoute(Event::Command, 40));
    EXPECT_FALSE(target.GetMessageMap().HasRoute(Event::UpdateCommandUI, 20));

    // What a handler answers goes back through the message.
    Message changed;
    changed.event = Event::PropertyChanged;
    changed.id = 32310;
    changed.param = -5;
    EXPECT_TRUE(target.OnCmdMsg(changed));
    EXPECT_EQ(changed.result, 7);
    EXPECT_EQ(target.calls.back(), "Property 32310 -5");
}
