-- Demo data: blocked numbers, messages to the sale points and the sale
-- points connected at loading time.

-- 000 is closed on every lottery; 777 and the terminal 13 are limited on the
-- Zulia draws; 123 with the sign ARIES is limited on TRIPLE ZULIA A.
INSERT INTO bloqueos (cod_lot, numero_bloq, monto_bloq, especial, jugada, modonumero)
SELECT cod_lot, '000', 0, '', '', '0' FROM loterias
UNION ALL
SELECT cod_lot, '777', 100, '', '', '0' FROM loterias WHERE cod_lot IN ('001', '002', '003')
UNION ALL
SELECT cod_lot, '13', 200, '', '', '0' FROM loterias WHERE cod_lot IN ('001', '002', '003')
UNION ALL
SELECT '001', '123', 50, '01', '01', '0';

INSERT INTO mensajes (codvendedor, mensaje, vend_envia, modo, fechahora, leido)
SELECT codvendedor, 'Recuerden cerrar las ventas del sorteo de las 12:30 a tiempo.', '*****', '0',
       reloj_servidor() - interval '2 hours', 'S'
FROM vendedor
UNION ALL
SELECT codvendedor, 'Nuevas tarifas de premios a partir del lunes.', '*****', '0',
       reloj_servidor() - interval '30 minutes', 'N'
FROM vendedor
UNION ALL
SELECT '00002', 'Favor depositar el saldo pendiente de la semana.', '*****', '0',
       reloj_servidor() - interval '10 minutes', 'N';

-- The first cashier of each active seller of the Zulia and Capital groups.
INSERT INTO conexionesactivas (codvendedor, usuario, serial, direccionip, inicio)
SELECT u.codvendedor, u.usuario, 'QV-' || u.codvendedor || '-01',
       '10.0.' || right(u.codvendedor, 2)::integer || '.11',
       reloj_servidor() - right(u.codvendedor, 2)::integer * interval '7 minutes'
FROM usuarios u JOIN vendedor v USING (codvendedor)
WHERE u.usuario = 'TAQ01' AND v.estado_vend = '1' AND v.codvendedor <= '00020';
