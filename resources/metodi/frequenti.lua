-- I numeri più frequenti: gioca i `quanti` numeri usciti più spesso nelle ultime `finestra`
-- estrazioni della prima ruota in gioco (contando solo quelle in cui la ruota è stata estratta;
-- a parità, il più piccolo). Con più di un numero la sorte è l'ambo, con uno l'estratto.
-- Con gli stessi valori dà le stesse giocate della strategia "frequenti" del programma.
-- Parametri: --parametro quanti=2 --parametro finestra=100

local quanti = parametro("quanti", 2)
local finestra = parametro("finestra", 100)

function metodo(t)
  local ruota = ruote()[1]
  -- l'inizio della finestra: si torna indietro fino a `finestra` estrazioni della ruota
  local inizio, contate = t, 0
  for e = t, 1, -1 do
    if estratti(e, ruota) then
      contate = contate + 1
      inizio = e
      if contate == finestra then break end
    end
  end
  local numeri = {}
  for n = 1, 90 do
    numeri[n] = { numero = n, volte = frequenza(n, ruota, inizio, t) }
  end
  table.sort(numeri, function(x, y)
    if x.volte ~= y.volte then return x.volte > y.volte end
    return x.numero < y.numero
  end)
  local giocati = {}
  for k = 1, quanti do giocati[k] = numeri[k].numero end
  table.sort(giocati)
  return { numeri = giocati, sorte = quanti > 1 and 2 or 1 }
end
