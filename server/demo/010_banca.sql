-- Demo data: the house, its operators, bank accounts and taxes.

INSERT INTO parametrosbanca (id, msgticket, tiempo_anula, name_duroz, tasa_venta, tasa_premio, montom)
VALUES (1, 'Gracias por su compra. Revise su ticket antes de retirarse', 5,
        'BANCA LA GUAJIRA', 2, 3, 5);

-- ADMIN holds every entry of the main menu (01 to 31) and the messages (F1);
-- CAJA1 only the daily work of the counter.
INSERT INTO operador (operador, nombreope, claveope, permisooperador) VALUES
  ('ADMIN', 'Administrador del Sistema', 'admin2007',
   (SELECT string_agg(lpad(n::text, 2, '0') || '-', '' ORDER BY n) FROM generate_series(1, 31) n) || 'F1-'),
  ('CAJA1', 'Maria Gonzalez', 'caja2007', '14-17-19-22-27-');

INSERT INTO cuentas (codigo_cuenta, banco_cuenta, nro_cuenta) VALUES
  ('001', 'Banco de Venezuela', '0102-0345-67-0001234567'),
  ('002', 'Banesco', '0134-0210-45-2100056789'),
  ('003', 'Banco Mercantil', '0105-0077-18-1077012345'),
  ('CCH', 'Caja Chica Oficina Principal', 'Efectivo');

INSERT INTO impuesto (codigo_impuesto, descri_impuesto, observa_impuesto, aplica_impuesto,
                      porcentaje_impuesto, muestramonitor) VALUES
  ('IMUN', 'Impuesto Municipal', 'Sobre las ventas brutas de la taquilla', 'Ventas', 1.5, ' '),
  ('ISLR', 'Retencion ISLR sobre premios', 'Premios mayores pagados', 'Premiación', 16, ' '),
  ('TIMB', 'Timbre Fiscal', 'Estadal', 'Ventas', 1, ' ');
