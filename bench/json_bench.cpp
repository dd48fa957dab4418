// JsonDocument against nlohmann::json on the same bytes: a detail-like reply
// of about 4 KB, nested documents of 1, 5 and 25 MB, and a member read by a
// one-part path on a document of 10,000 members.
//
// The texts are ASCII with \u escapes, so both parsers read identical input
// (nlohmann wants UTF-8; JsonDocument reads GBK).
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include <string>

#include "json/json_document.h"

namespace toolbox {
namespace {

// A reply shaped like the account-check detail: flat fields, a tag object
// and a short list of records.
std::string detail_reply() {
  std::string text = R"(callback({"code":0,"msg":"\u6210\u529f","data":{)";
  text += R"("nick":"buyer_\u4e70\u5bb6_2024","credit":"1523","buyerCredit":"\u91d1\u51a0","sellerCredit":0,)";
  text += R"("regTime":"2015-03-18 10:22:41","area":"\u6d59\u6c5f\u7701 \u676d\u5dde\u5e02","age":"9\u5e74",)";
  text += R"("realName":true,"superMember":"1","vip":false,"weekQuery":37,"goodRate":"99.87%","badCount":2,)";
  text += R"("avgSpend":"268.50","consumeLevel":"\u9ad8","lastLogin":null,"remark":"<b>\u6ce8\u610f</b>",)";
  text += R"("tags":{"tagTuCao":3,"tagRefund":1,"tagBlackmail":0,"tagCheat":0,"tagFake":0,"tagBad":2,)";
  text += R"("tagTaoke":0,"tagDown":0,"tagCat":"\u4e91\u9ed1\u540d\u5355"},"list":[)";
  for (int record = 0; record < 18; ++record) {
    if (record > 0) {
      text += ',';
    }
    const std::string n = std::to_string(record);
    text += R"({"id":)" + std::to_string(record * 7919 + 1001) + R"(,"title":"\u8fde\u8863\u88d9 \u590f\u5b63 \u65b0\u6b3e )" + n +
            R"(","price":)" + std::to_string(record + 1) + R"(9.90,"count":)" + n + R"(,"time":"2024-05-)" + std::to_string(10 + record) +
            R"( 12:00:00","flags":[true,false,null],"shop":{"name":"shop_)" + n + R"(","level":4}})";
  }
  text += R"(]}}))";
  return text;
}

// Objects and arrays nested a few levels deep, repeated up to `size` bytes.
std::string nested_document(std::size_t size) {
  std::string text = R"({"version":3,"groups":[)";
  for (int group = 0; text.size() < size; ++group) {
    if (group > 0) {
      text += ',';
    }
    const std::string g = std::to_string(group);
    text += R"({"name":"group-)" + g + R"(","items":[)";
    for (int item = 0; item < 8; ++item) {
      if (item > 0) {
        text += ',';
      }
      const std::string i = std::to_string(item);
      text += R"({"id":)" + std::to_string(group * 8 + item + 1) + R"(,"label":"item \u7b2c)" + i + R"(\u4e2a \"quoted\"","price":)" + i +
              R"(.25,"ok":true,"none":null,"tags":["a","b",")" + i + R"("],)" +
              R"("attrs":{"color":"red","size":[1,2,3],"dims":{"w":10,"h":-2.5e+1}}})";
    }
    text += "]}";
  }
  text += "]}";
  return text;
}

std::string many_members(int count) {
  std::string text = "{";
  for (int member = 0; member < count; ++member) {
    if (member > 0) {
      text += ',';
    }
    text += "\"member" + std::to_string(member) + "\":\"value " + std::to_string(member) + "\"";
  }
  text += "}";
  return text;
}

void parse_with_toolbox(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    JsonDocument document;
    benchmark::DoNotOptimize(document.parse_text(text));
    benchmark::DoNotOptimize(document.node_count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void parse_with_nlohmann(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    nlohmann::json document = nlohmann::json::parse(text);
    benchmark::DoNotOptimize(document.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

// The detail reply as the lookup gets it, JSONP wrapper and all; nlohmann gets
// the object inside it.
void BM_DetailReply_JsonDocument(benchmark::State& state) {
  static const std::string text = detail_reply();
  state.counters["bytes"] = static_cast<double>(text.size());
  parse_with_toolbox(state, text);
}

void BM_DetailReply_Nlohmann(benchmark::State& state) {
  static const std::string text = [] {
    std::string reply = detail_reply();
    return reply.substr(9, reply.size() - 10);  // without "callback(" and ")"
  }();
  state.counters["bytes"] = static_cast<double>(text.size());
  parse_with_nlohmann(state, text);
}

const std::string& nested_of_megabytes(std::int64_t megabytes) {
  static std::string texts[26];
  std::string& text = texts[megabytes];
  if (text.empty()) {
    text = nested_document(static_cast<std::size_t>(megabytes) << 20);
  }
  return text;
}

void BM_Nested_JsonDocument(benchmark::State& state) {
  parse_with_toolbox(state, nested_of_megabytes(state.range(0)));
}

void BM_Nested_Nlohmann(benchmark::State& state) {
  parse_with_nlohmann(state, nested_of_megabytes(state.range(0)));
}

// One-part paths on 10,000 members: the first, one in the middle, the last.
void BM_MemberText_10000Members(benchmark::State& state) {
  static const JsonDocument document = [] {
    JsonDocument parsed;
    parsed.parse_text(many_members(10'000));
    return parsed;
  }();
  const std::string path = "member" + std::to_string(state.range(0));
  for (auto _ : state) {
    Text value = document.member_text({.path = path});
    benchmark::DoNotOptimize(value.data());
  }
}

void BM_ToText_Nested5MB(benchmark::State& state) {
  static const JsonDocument document = [] {
    JsonDocument parsed;
    parsed.parse_text(nested_of_megabytes(5));
    return parsed;
  }();
  Text out;
  for (auto _ : state) {
    benchmark::DoNotOptimize(document.to_text({}, out));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(out.size()));
}

BENCHMARK(BM_DetailReply_JsonDocument);
BENCHMARK(BM_DetailReply_Nlohmann);
BENCHMARK(BM_Nested_JsonDocument)->Arg(1)->Arg(5)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Nested_Nlohmann)->Arg(1)->Arg(5)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemberText_10000Members)->Arg(0)->Arg(5'000)->Arg(9'999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ToText_Nested5MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace toolbox

BENCHMARK_MAIN();
