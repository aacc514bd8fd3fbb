-- Ambata dalla distanza: nell'ultima estrazione della prima ruota in gioco si prende la
-- distanza ciclometrica tra il primo e il secondo estratto (da 1 a 45: 12 e 85 distano 17,
-- la via più corta sul cerchio dei 90) e la si gioca per estratto, più una costante `somma`
-- (fuori 90). Se la ruota non è stata estratta, nessuna giocata.
-- Parametro: --parametro somma=0

local somma = parametro("somma", 0)

function metodo(t)
  local ruota = ruote()[1]
  local numeri = estratti(t, ruota)
  if not numeri then return nil end
  local ambata = fuori90(distanza(numeri[1], numeri[2]) + somma)
  scrivi(data(t), ruota, numeri[1], numeri[2], "ambata " .. ambata)
  return { numeri = { ambata }, sorte = 1 }
end
