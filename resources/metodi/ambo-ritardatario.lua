-- L'ambo più ritardato: a ogni punto gioca per ambo la coppia che manca da più estrazioni
-- sulla prima ruota in gioco (a parità, quella col primo numero più piccolo, poi il secondo).
-- Dà le stesse giocate della strategia "ambo-ritardatario" del programma.

function metodo(t)
  local ruota = ruote()[1]
  local sa, sb, massimo = 1, 2, -1
  for a = 1, 89 do
    for b = a + 1, 90 do
      local r = ritardo_ambo(a, b, ruota, t)
      if r > massimo then
        sa, sb, massimo = a, b, r
      end
    end
  end
  return { numeri = { sa, sb }, sorte = 2 }
end
