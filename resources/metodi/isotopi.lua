-- Isotopi per posizione: un numero uscito nella stessa posizione su due o più ruote in gioco
-- nella stessa estrazione è un isotopo. Si gioca per estratto il più piccolo isotopo
-- dell'ultima estrazione, sulle sole ruote dove è uscito in quella posizione; senza isotopi,
-- nessuna giocata. Da provare con più ruote: --ruote TU

function metodo(t)
  local migliore, doveMigliore
  for posizione = 1, 5 do
    local dove = {}  -- per ogni numero, le ruote dove è uscito in questa posizione
    for _, ruota in ipairs(ruote()) do
      local n = estratto(t, ruota, posizione)
      if n then
        dove[n] = dove[n] or {}
        table.insert(dove[n], ruota)
      end
    end
    for n, elenco in pairs(dove) do
      if #elenco >= 2 and (not migliore or n < migliore) then
        migliore, doveMigliore = n, elenco
      end
    end
  end
  if not migliore then return nil end
  return { numeri = { migliore }, sorte = 1, ruote = doveMigliore }
end
