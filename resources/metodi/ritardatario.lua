-- Il numero più ritardato: a ogni punto gioca per estratto il numero che manca da più
-- estrazioni sulla prima ruota in gioco (a parità, il più piccolo).
-- Dà le stesse giocate della strategia "ritardatario" del programma.

function metodo(t)
  local ruota = ruote()[1]
  local scelto, massimo = 1, -1
  for n = 1, 90 do
    local r = ritardo(n, ruota, t)
    if r > massimo then
      scelto, massimo = n, r
    end
  end
  return { numeri = { scelto }, sorte = 1 }
end
