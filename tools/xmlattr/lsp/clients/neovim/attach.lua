-- Headless Neovim as the editor: opens an SVG document, attaches `xmlattr lsp` with the
-- editor's own client, and checks what an author would see. Prints a transcript; exits 0
-- when every step held, 1 at the first that did not.
--   XMLATTR_TOOL=path/to/xmlattr nvim --headless --clean -n -c "luafile attach.lua"
local tool = os.getenv('XMLATTR_TOOL')
local folder = vim.fn.tempname()
vim.fn.mkdir(folder, 'p')
local path = folder .. '/badge.svg'
-- The emoji takes two UTF-16 units and four bytes: the editor's columns are bytes.
local lines = {
  '<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">',
  '  <text x="1" y="5">\240\159\152\128 ok</text><!-- \240\159\152\128 --><rect id="box" fill="reed" width="4"/>',
  '  <use href="#box"/>',
  '</svg>',
}
vim.fn.writefile(lines, path)

local function say(text) io.stdout:write(text .. '\n') end
local function fail(text)
  say('FAILED: ' .. text)
  vim.cmd('cquit 1')
end

vim.cmd('edit ' .. vim.fn.fnameescape(path))
local buffer = vim.api.nvim_get_current_buf()
local client = vim.lsp.start_client({ name = 'xmlattr', cmd = { tool, 'lsp' }, root_dir = folder })
if not client then fail('the server did not start') end
vim.lsp.buf_attach_client(buffer, client)
say('opened ' .. path .. ' and attached "xmlattr lsp"')

local function diagnostics(count)
  local found = vim.wait(10000, function() return #vim.diagnostic.get(buffer) == count end, 10)
  if not found then
    fail('expected ' .. count .. ' diagnostics, have ' .. #vim.diagnostic.get(buffer))
  end
  for _, d in ipairs(vim.diagnostic.get(buffer)) do
    say(string.format('  diagnostic %d:%d-%d:%d %s [%s] %s', d.lnum + 1, d.col, d.end_lnum + 1,
      d.end_col, d.severity == vim.diagnostic.severity.ERROR and 'error' or 'warning',
      tostring(d.code or (d.user_data and d.user_data.lsp and d.user_data.lsp.code)), d.message))
  end
  return vim.diagnostic.get(buffer)
end

local first = diagnostics(1)[1]
local column = string.find(lines[2], 'reed', 1, true) - 1
if first.lnum ~= 1 or first.col ~= column or first.end_col ~= column + 4 then
  fail(string.format('the diagnostic is at %d:%d-%d, "reed" at 1:%d-%d', first.lnum, first.col,
    first.end_col, column, column + 4))
end

-- The quick fix, as the author picks it: asked for at the cursor, applied by the editor.
vim.api.nvim_win_set_cursor(0, { 2, column + 1 })
local params = vim.lsp.util.make_range_params()
params.context = { diagnostics = {} }
local answers = vim.lsp.buf_request_sync(buffer, 'textDocument/codeAction', params, 10000)
local action = answers and answers[client] and answers[client].result and answers[client].result[1]
if not action then fail('no quick fix was offered') end
say('code action at 2:' .. column .. ': ' .. action.title)
vim.lsp.util.apply_workspace_edit(action.edit, vim.lsp.get_client_by_id(client).offset_encoding)
say('  line 2 now: ' .. vim.api.nvim_buf_get_lines(buffer, 1, 2, true)[1])
diagnostics(0)
say('the diagnostic went')

-- Typing a mistake after the emoji: the server hears of it as an incremental change.
local at = string.find(vim.api.nvim_buf_get_lines(buffer, 1, 2, true)[1], 'width="4"', 1, true) + 6
vim.api.nvim_buf_set_text(buffer, 1, at, 1, at + 1, { '4PT' })
say('typed: width="4PT"')
local typed = diagnostics(1)[1]
if typed.lnum ~= 1 or typed.col < at or typed.end_col > at + 3 then
  fail(string.format('the new diagnostic is at %d:%d-%d, the value at 1:%d-%d', typed.lnum,
    typed.col, typed.end_col, at, at + 3))
end

-- Hover, completion and going to a definition, each asked where the author's cursor is.
local function ask(method, line, text, offset)
  local column = string.find(vim.api.nvim_buf_get_lines(buffer, line - 1, line, true)[1], text, 1, true)
  if not column then fail('no "' .. text .. '" on line ' .. line) end
  vim.api.nvim_win_set_cursor(0, { line, column - 1 + offset })
  local answer = vim.lsp.buf_request_sync(buffer, method, vim.lsp.util.make_position_params(), 10000)
  local result = answer and answer[client] and answer[client].result
  if not result then fail(method .. ' gave no answer at ' .. line .. ':' .. column) end
  return result, column - 1
end

local hover = ask('textDocument/hover', 2, 'fill="red"', 7)
if not (hover.contents and hover.contents.value and hover.contents.value ~= '') then
  fail('the hover on "red" is empty')
end
say('hover on fill="red": ' .. hover.contents.value:gsub('\n.*', ''))

local completion = ask('textDocument/completion', 2, 'fill="red"', 8)
local labels = {}
for _, item in ipairs(completion.items or completion) do labels[item.label] = true end
if not labels['red'] then fail('completion in "re" does not offer red') end
say('completion in fill="re" offers red')

local definition = ask('textDocument/definition', 3, '#box', 2)
local target = definition[1] and definition[1].range
local idColumn = string.find(vim.api.nvim_buf_get_lines(buffer, 1, 2, true)[1], 'box', 1, true) - 1
if not target or target.start.line ~= 1 then fail('the definition of #box is not on line 2') end
local expected = vim.lsp.util.character_offset(buffer, 1, idColumn,
  vim.lsp.get_client_by_id(client).offset_encoding)
if target.start.character ~= expected then
  fail(string.format('the definition of #box is at character %d, id="box" at %d',
    target.start.character, expected))
end
say('definition of #box: line 2, character ' .. target.start.character)

vim.lsp.stop_client(client)
vim.wait(2000, function() return vim.lsp.get_client_by_id(client) == nil end, 10)
say('all steps held')
vim.cmd('qall!')
