// What the user is told when a command fails. Both backends show this text
// at their event dispatch, the one place where a command's failure stops.
#pragma once

#include <exception>
#include <string_view>

namespace ui {

struct FailureMessage {
  std::u16string_view caption;
  std::u16string_view text;
};

FailureMessage DescribeFailure(const std::exception_ptr& failure);

}  // namespace ui
