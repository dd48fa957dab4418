#include "platform/regular_expression.h"

#include "platform/dispatch.h"
#include "text/text_ops.h"
#include "text/wide.h"

namespace toolbox {

RegularExpression::RegularExpression(const RegularExpression& other)
    : expression_(other.expression_), matches_(other.matches_), source_(other.source_) {}

RegularExpression& RegularExpression::operator=(const RegularExpression& other) {
  expression_ = other.expression_;
  matches_ = other.matches_;
  source_ = other.source_;
  return *this;
}

bool RegularExpression::execute(std::string_view pattern, std::string_view source, ExecuteOptions options) {
  expression_.reset();
  matches_.reset();
  expression_ = create_dispatch_object(L"VBScript.RegExp");
  if (!expression_) {
    return false;
  }
  put_property(expression_.get(), L"IgnoreCase", Variant::boolean(!options.case_sensitive));
  put_property(expression_.get(), L"Multiline", Variant::boolean(options.multiline));
  put_property(expression_.get(), L"Global", Variant::boolean(options.global));
  Text compiled = options.quote_token ? replace_text(pattern, "#引号", "\"") : Text(pattern);
  put_property(expression_.get(), L"Pattern", Variant::text(compiled));
  source_ = Variant::text(source);
  DispatchResult executed = call_method(expression_.get(), L"Execute", {source_});
  matches_ = executed.ok() ? executed.value.to_dispatch() : ComPtr<IDispatch>();
  return static_cast<bool>(matches_);
}

Text RegularExpression::pattern() const {
  return expression_ ? get_property(expression_.get(), L"Pattern").value.to_text() : Text();
}

Text RegularExpression::replace(std::string_view replacement) const {
  if (!expression_) {
    return {};
  }
  return call_method(expression_.get(), L"Replace", {source_, Variant::text(replacement)}).value.to_text();
}

int RegularExpression::match_count() const {
  return matches_ ? static_cast<int>(get_property(matches_.get(), L"Count").value.to_integer().value_or(0)) : 0;
}

ComPtr<IDispatch> RegularExpression::match(int match_index) const {
  if (!matches_ || match_index < 1 || match_index > match_count()) {
    return {};
  }
  return get_property(matches_.get(), L"Item", {Variant::integer(match_index - 1)}).value.to_dispatch();
}

// The object reports where a match starts in UTF-16 units of the source; the
// GBK bytes in front of it give the byte offset.
int RegularExpression::byte_offset(const ComPtr<IDispatch>& found) const {
  long first_index = get_property(found.get(), L"FirstIndex").value.to_integer().value_or(0);
  std::wstring source = source_.to_wide_text();
  std::size_t units = static_cast<std::size_t>(first_index < 0 ? 0 : first_index);
  return static_cast<int>(from_wide(std::wstring_view(source).substr(0, units)).size());
}

Text RegularExpression::match_text(int match_index, int* position) const {
  ComPtr<IDispatch> found = match(match_index);
  if (position) {
    *position = found ? byte_offset(found) : -1;
  }
  return found ? get_property(found.get(), L"Value").value.to_text() : Text();
}

Text RegularExpression::submatch_text(int match_index, int submatch_index, int* position) const {
  if (position) {
    *position = -1;
  }
  ComPtr<IDispatch> found = match(match_index);
  if (!found || submatch_index < 1) {
    return {};
  }
  ComPtr<IDispatch> groups = get_property(found.get(), L"SubMatches").value.to_dispatch();
  long group_count = groups ? get_property(groups.get(), L"Count").value.to_integer().value_or(0) : 0;
  if (submatch_index > group_count) {
    return {};
  }
  Text captured = get_property(groups.get(), L"Item", {Variant::integer(submatch_index - 1)}).value.to_text();
  if (position && !captured.empty()) {
    Text source = source_.to_text();
    int at = find_text(source, captured, {.start = byte_offset(found) + 1});
    *position = at < 0 ? -1 : at - 1;
  }
  return captured;
}

int RegularExpression::submatch_count() const {
  ComPtr<IDispatch> first = match(1);
  ComPtr<IDispatch> groups = first ? get_property(first.get(), L"SubMatches").value.to_dispatch() : ComPtr<IDispatch>();
  return groups ? static_cast<int>(get_property(groups.get(), L"Count").value.to_integer().value_or(0)) : 0;
}

}  // namespace toolbox
