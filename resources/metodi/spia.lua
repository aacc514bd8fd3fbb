-- Il numero spia: quando la `spia` esce sulla prima ruota in gioco, si gioca per estratto il
-- numero che nel passato è uscito più spesso nelle `dopo` estrazioni successive a ogni sua
-- uscita (a parità, il più piccolo). Quando la spia non esce, nessuna giocata.
-- Parametri: --parametro spia=1 --parametro dopo=3

local spia = parametro("spia", 1)
local dopo = parametro("dopo", 3)

local function esce(e, ruota, n)
  local numeri = estratti(e, ruota)
  if not numeri then return false end
  for _, x in ipairs(numeri) do
    if x == n then return true end
  end
  return false
end

function metodo(t)
  local ruota = ruote()[1]
  if not esce(t, ruota, spia) then return nil end
  local volte = {}
  for n = 1, 90 do volte[n] = 0 end
  -- ogni uscita passata della spia la cui finestra di `dopo` estrazioni sta prima di t
  for e = 1, t - dopo - 1 do
    if esce(e, ruota, spia) then
      for d = e + 1, e + dopo do
        for _, x in ipairs(estratti(d, ruota) or {}) do volte[x] = volte[x] + 1 end
      end
    end
  end
  local migliore = 1
  for n = 2, 90 do
    if n ~= spia and volte[n] > volte[migliore] then migliore = n end
  end
  return { numeri = { migliore }, sorte = 1 }
end
