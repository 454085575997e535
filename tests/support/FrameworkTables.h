// Runs a modal call of the framework tests with the host's driver playing actions given as text,
// as kivhost --do does.
#pragma once

#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kivtest {

// Calls modal() (a DoModal) while the driver plays the script; returns what modal() returned.
template <typename Modal>
INT_PTR DriveModal(kivhost::HostSession& session, const std::vector<std::wstring>& script, Modal&& modal)
{
    std::vector<kivhost::Action> actions;
    for (const std::wstring& text : script) {
        kivhost::Action action;
        std::wstring error;
        EXPECT_TRUE(kivhost::ParseAction(text, action, error)) << testing::PrintToString(error);
        actions.push_back(action);
    }
    kivhost::Driver driver(session.GetJournal(), actions, L"");
    const INT_PTR result = modal();
    EXPECT_EQ(driver.Failures(), 0) << "a driver action found nothing to act on";
    return result;
}

}  // namespace kivtest
