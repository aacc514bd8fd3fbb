#include <lua.hpp>

#include <gtest/gtest.h>

#include "metodo/SandboxLua.h"

using namespace quorvane;

namespace {

// Calls of the four pattern functions, each written as a line: its results, or "errore" (the
// messages differ: the sandbox's are Italian).
const char* const Prove = R"lua(
local casi = {
  {"find", "hello world", "o w"}, {"find", "hello world", "o", 6}, {"find", "hello world", "l+"},
  {"find", "a.b", ".", 1, true}, {"find", "a+b", "+", 1, true}, {"find", "abc", "", 10}, {"find", "abc", "", 4},
  {"find", "abc", "", -1}, {"find", "abc", "b", -10}, {"find", "abc", "c", 0}, {"find", "a\0b", "\0"},
  {"find", "aXbXc", "X", 3}, {"find", "abab", "(b)", 1}, {"find", "abc", "^b"}, {"find", "abc", "^a"},
  {"match", "key = value", "(%w+)%s*=%s*(%w+)"}, {"match", "  trim  ", "^%s*(.-)%s*$"},
  {"match", "THE (quick) fox", "%((%a+)%)"}, {"match", "f(a(b)c)d", "%b()"}, {"match", "f(a(b)c", "%b()"},
  {"match", "THE (quick) fox", "%f[%a]%a+", 5}, {"match", "THE END", "%f[%w]%w+$"}, {"match", "end", "%f[%W]"},
  {"match", "hello", "()ll()"}, {"match", "abcabc", "(abc)%1"}, {"match", "x = 'a' .. \"b\"", "([\"'])(.-)%1"},
  {"match", "07/02/2000", "(%d+)/(%d+)/(%d+)$"}, {"match", "[tag]", "[%[]([^%]]+)"}, {"match", "a-z", "[a%-z]+"},
  {"match", "b", "[z-a]"}, {"match", "abc", "[^a-b]"}, {"match", "a]b", "[]]"}, {"match", "a^b", "[b^]+"},
  {"match", "aaa", "a-b"}, {"match", "aaab", "a-b"}, {"match", "aaa", "^a?a?"}, {"match", "x", "$"},
  {"match", "a$b", "a$b"}, {"match", "ab", ".-$"}, {"match", "hello", "(h)(e)(l)(l)(o)"}, {"match", "%", "%%"},
  {"match", "a.b", "%."}, {"match", "AbC1_", "%u%l%u%d%p"}, {"match", " \t\n", "%s+"}, {"match", "zz!", "%W"},
  {"match", "\1\127x", "%c+"}, {"match", "FFab9g", "%x+"}, {"match", "caff\195\168 1", "[\128-\255]+"},
  {"match", "abc", ".+", -2}, {"match", "abc", "()", 4}, {"match", "abc", "()", 5}, {"match", "(x)", "%b)("},
  {"match", "abab", "((a)(b))%1"}, {"match", "x", "x*?"}, {"match", "xy", "[%a]-y"}, {"match", "a", "(()a)"},
  {"gmatch", "one two  three", "%a+"}, {"gmatch", "k1=v1, k2=v2", "(%w+)=(%w+)"}, {"gmatch", "abc", ""},
  {"gmatch", "abc", "^a"}, {"gmatch", "^abc", "^a"}, {"gmatch", "hello world", "o", 6}, {"gmatch", "aaa", "a*"},
  {"gmatch", "abc", "()"}, {"gmatch", "abc", "b*"}, {"gmatch", "abc", ".", 10}, {"gmatch", "abc", ".", -1},
  {"gsub", "hello world", "o", "0"}, {"gsub", "hello world", "(o)", "[%1%1]"}, {"gsub", "hello", "", "-"},
  {"gsub", "abc", "%w", "%0%0"}, {"gsub", "abc", "b*", "X"}, {"gsub", "hello world", "%w+", "%%", 1},
  {"gsub", "x=1, y=2", "(%w+)=(%w+)", "%2=%1"}, {"gsub", "abc", "^a", "A"}, {"gsub", "aaa", "^a", "A"},
  {"gsub", "$name is $age", "%$(%w+)", {name = "Anna", age = 30}}, {"gsub", "$x $y", "%$(%w+)", {x = false}},
  {"gsub", "abc", "%w", function(c) if c ~= "b" then return c:upper() end end}, {"gsub", "abc", "()", "%1"},
  {"gsub", "abc", "b", 5}, {"gsub", "abc", "(a", "x"}, {"gsub", "abc", "x", "y"}, {"gsub", "abc", "", "-", 2},
  {"gsub", "abc", "%w", "%1"}, {"gsub", "abc", ".", {a = 1, b = true}}, {"gsub", "abc", "b", "%"},
  {"find", "a", "[a"}, {"find", "a", "%"}, {"find", "a", "(()"}, {"find", "a", "%1"}, {"find", "a", "a)"},
  {"match", "a", "(a"}, {"find", "a", "%b"}, {"find", "a", "%fa"}, {"gsub", "abc", "(b)", "%2"},
  {"gsub", "abc", "b", "%x"}, {"gsub", "abc", "b", function() return {} end}, {"gsub", "abc", "b", true},
  {"find", "a", string.rep("()", 33)}, {"match", string.rep("a", 300), string.rep("a?", 300)},
  {"match", "abc", "(a)%2"}, {"match", "aa", "(a%1)"}, {"match", "x", "[%"}, {"find", nil, "a"},
}
local function testo(v)
  return type(v) == "string" and string.format("%q", v) or tostring(v)
end
local function riga(...)
  local r = table.pack(...)
  if not r[1] then return "errore" end
  local parti = {}
  for i = 2, r.n do parti[#parti + 1] = testo(r[i]) end
  return table.concat(parti, " ")
end
local righe = {}
for _, c in ipairs(casi) do
  local f = c[1]
  if f == "gmatch" then
    righe[#righe + 1] = riga(pcall(function()
      local visti = {}
      for a, b in string.gmatch(table.unpack(c, 2)) do visti[#visti + 1] = testo(a) .. "," .. testo(b) end
      return table.concat(visti, ";")
    end))
  else
    righe[#righe + 1] = riga(pcall(string[f], table.unpack(c, 2)))
  end
  righe[#righe] = f .. ": " .. righe[#righe]
end
return table.concat(righe, "\n")
)lua";

std::string conLua() {
    lua_State* stato = luaL_newstate();
    luaL_openlibs(stato);
    std::string esito = luaL_dostring(stato, Prove) == LUA_OK ? lua_tostring(stato, -1) : "Lua non esegue le prove";
    lua_close(stato);
    return esito;
}

}  // namespace

// The sandbox's pattern functions give what Lua's own give, call by call, errors included.
TEST(RicercheLua, ComeQuelleDiLua) {
    SandboxLua sandbox(1, nullptr);
    sandbox.compila(Prove);
    sandbox.chiama(0, 1);
    const std::string atteso = conLua();
    ASSERT_GT(atteso.size(), 1000u) << atteso;
    EXPECT_EQ(lua_tostring(sandbox.stato(), -1), atteso);
}
