-- Demo data: regions, municipalities, thirty sellers in three groups with
-- their sale-point users, terminal serials, taxes and sale parameters.

INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion, observa_gobernacion) VALUES
  ('ZUL', 'Zulia', 'Region occidental'),
  ('DCA', 'Distrito Capital', 'Region capital'),
  ('MIR', 'Miranda', 'Region capital'),
  ('TAC', 'Tachira', 'Region andina'),
  ('LAR', 'Lara', 'Region centro occidental'),
  ('ANZ', 'Anzoategui', 'Region oriental');

INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, observa_alcaldia, tasa_alcaldia) VALUES
  ('MCB', 'ZUL', 'Maracaibo', NULL, 1),
  ('SFR', 'ZUL', 'San Francisco', NULL, 0.8),
  ('CAB', 'ZUL', 'Cabimas', NULL, 0.8),
  ('LIB', 'DCA', 'Libertador', NULL, 1.2),
  ('SUC', 'MIR', 'Sucre', NULL, 1),
  ('BAR', 'MIR', 'Baruta', NULL, 1),
  ('CHA', 'MIR', 'Chacao', NULL, 1.5),
  ('SCR', 'TAC', 'San Cristobal', NULL, 0.9),
  ('CAR', 'TAC', 'Cardenas', NULL, 0.7),
  ('IRI', 'LAR', 'Iribarren', NULL, 1),
  ('PAL', 'LAR', 'Palavecino', NULL, 0.6),
  ('SOT', 'ANZ', 'Sotillo', NULL, 0.9),
  ('BOL', 'ANZ', 'Simon Bolivar', NULL, 0.9);

-- 00001, 00011 and 00021 lead the three groups; 00029 is inactive and
-- 00030 suspended.
INSERT INTO vendedor (codvendedor, nombre_vend, direccion_vend, telefono_vend, email_vend, clave_vend,
                      estado_vend, tipode_pago, perteneceal, diascaduca, comision_jefe, impuesto,
                      codigo_alcaldia, codigo_gobernacion, rif, nit, puertoprinter, tiempoanular,
                      minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter,
                      p_tri_1, p_ter_1, p_ter_2, montom_digito, lim_digito, comi_digito, premio_digito)
SELECT v.cod, v.nombre, v.direccion, '0' || v.tel, lower(replace(v.nombre, ' ', '.')) || '@correo.com.ve',
       'clave' || right(v.cod, 2), v.estado, v.pago, v.jefe, 5,
       CASE WHEN v.jefe IS NULL THEN 0 ELSE 2 END, 0, v.alcaldia, a.codigo_gobernacion,
       'J-' || lpad((31000000 + right(v.cod, 3)::integer * 7919)::text, 8, '0') || '-' || right(v.cod, 1),
       lpad((right(v.cod, 3)::integer * 104729)::text, 10, '0'), 'LPT1', 10,
       5, 5, 500, 1000, 15, 15, 600, 60, 20, 2, 300, 10, 7
FROM (VALUES
  ('00001', 'Grupo Lago Azul',              'Av. 5 de Julio, Maracaibo',        '2617511100', '1', '0', NULL,    'MCB'),
  ('00002', 'Agencia La Fortuna',           'Calle 72 con Av. 15, Maracaibo',   '2617512201', '1', '0', '00001', 'MCB'),
  ('00003', 'Loteria El Trebol',            'Av. Bella Vista, Maracaibo',       '2617513302', '1', '1', '00001', 'MCB'),
  ('00004', 'Centro de Apuestas La Chinita','Plaza Baralt, Maracaibo',          '2617514403', '1', '0', '00001', 'MCB'),
  ('00005', 'Agencia Puerto Escondido',     'Sector El Bajo, San Francisco',    '2617515504', '1', '2', '00001', 'SFR'),
  ('00006', 'Taquilla Las Delicias',        'Av. Las Delicias, Maracaibo',      '2617516605', '1', '0', '00001', 'MCB'),
  ('00007', 'Agencia Bella Vista',          'Av. 4 Bella Vista, Maracaibo',     '2617517706', '1', '0', '00001', 'MCB'),
  ('00008', 'Loteria El Milagro',           'Av. El Milagro, Maracaibo',        '2617518807', '1', '3', '00001', 'MCB'),
  ('00009', 'Agencia Cabimas Centro',       'Av. Intercomunal, Cabimas',        '2642519908', '1', '0', '00001', 'CAB'),
  ('00010', 'Taquilla San Francisco',       'Calle Principal, San Francisco',   '2617520009', '1', '1', '00001', 'SFR'),
  ('00011', 'Grupo Capital',                'Av. Urdaneta, Caracas',            '2125631110', '1', '0', NULL,    'LIB'),
  ('00012', 'Agencia Sabana Grande',        'Bulevar de Sabana Grande',         '2125632211', '1', '0', '00011', 'LIB'),
  ('00013', 'Loteria Catia',                'Av. Sucre, Catia',                 '2125633312', '1', '1', '00011', 'LIB'),
  ('00014', 'Agencia El Paraiso',           'Av. Paez, El Paraiso',             '2125634413', '1', '0', '00011', 'LIB'),
  ('00015', 'Taquilla Chacaito',            'Calle Union, Chacaito',            '2125635514', '1', '2', '00011', 'CHA'),
  ('00016', 'Agencia Los Palos Grandes',    'Av. Francisco de Miranda',         '2125636615', '1', '0', '00011', 'CHA'),
  ('00017', 'Loteria Petare',               'Calle Lecuna, Petare',             '2125637716', '1', '0', '00011', 'SUC'),
  ('00018', 'Agencia Baruta',               'Plaza Baruta, Baruta',             '2125638817', '1', '3', '00011', 'BAR'),
  ('00019', 'Taquilla La Candelaria',       'Esquina de Alcabala, Candelaria',  '2125639918', '1', '0', '00011', 'LIB'),
  ('00020', 'Agencia El Valle',             'Av. Intercomunal de El Valle',     '2125640019', '1', '1', '00011', 'LIB'),
  ('00021', 'Grupo Los Andes',              'Av. 19 de Abril, San Cristobal',   '2763411120', '1', '0', NULL,    'SCR'),
  ('00022', 'Agencia San Cristobal',        'Carrera 6, San Cristobal',         '2763412221', '1', '0', '00021', 'SCR'),
  ('00023', 'Loteria Tariba',               'Calle Bolivar, Tariba',            '2763413322', '1', '2', '00021', 'CAR'),
  ('00024', 'Agencia Barquisimeto Este',    'Av. Lara, Barquisimeto',           '2512514423', '1', '0', '00021', 'IRI'),
  ('00025', 'Taquilla Cabudare',            'Av. Intercomunal, Cabudare',       '2512515524', '1', '1', '00021', 'PAL'),
  ('00026', 'Agencia Puerto La Cruz',       'Paseo Colon, Puerto La Cruz',      '2812616625', '1', '0', NULL,    'SOT'),
  ('00027', 'Loteria Barcelona',            'Av. 5 de Julio, Barcelona',        '2812617726', '1', '0', '00026', 'BOL'),
  ('00028', 'Agencia Lecheria',             'Av. Principal de Lecheria',        '2812618827', '1', '3', '00026', 'SOT'),
  ('00029', 'Taquilla El Tigre',            'Av. Francisco de Miranda, El Tigre','2832419928', '2', '0', '00026', 'BOL'),
  ('00030', 'Agencia Maturin',              'Av. Bolivar, Maturin',             '2916410029', '3', '0', '00026', 'BOL')
) AS v(cod, nombre, direccion, tel, estado, pago, jefe, alcaldia)
JOIN alcaldia a ON a.codigo_alcaldia = v.alcaldia
ORDER BY v.cod;

-- The query program's permissions of the group chiefs.
UPDATE vendedor SET permisovendedor = '01-02-03-06-09-11-12-13-14-F1-' WHERE perteneceal IS NULL;

-- Two cashiers per seller: the first may use every function of the
-- point-of-sale program, the second only the counter's daily work.
INSERT INTO usuarios (codvendedor, usuario, nombre_usua, direccion_usua, telefono_usua, clave_usua,
                      email_usua, estado_usua, permisos, puertoprinter, tipoletra, modotrabajo,
                      bdonline, dirip_1, nrocolumnas)
SELECT v.codvendedor, u.usuario,
       (ARRAY['Jose Perez', 'Carmen Rodriguez', 'Luis Hernandez', 'Ana Martinez', 'Pedro Garcia',
              'Yelitza Lopez', 'Carlos Ramirez', 'Marisol Torres', 'Jesus Fernandez', 'Rosa Diaz',
              'Miguel Morales', 'Daniela Rojas'])[1 + (right(v.codvendedor, 2)::integer * 2 + u.n) % 12],
       v.direccion_vend, v.telefono_vend, '12' || right(v.codvendedor, 2) || u.n,
       NULL, '1', u.permisos, 'LPT1', 'N', '0', 'duroz', '127.0.0.1', 40
FROM vendedor v
CROSS JOIN (VALUES
  (1, 'TAQ01', 'F2-CF3-AF4-PF5-CF6-PF7-RF8-FF10-F11-F12-A.-CB.-TC.-RD.-SR.-R'),
  (2, 'TAQ02', 'F2-CF5-CF7-RA.-C')
) AS u(n, usuario, permisos);

-- One terminal per cashier, and three new ones not yet assigned.
INSERT INTO seriales (serial, codvendedor)
SELECT 'QV-' || u.codvendedor || '-' || right(u.usuario, 2), u.codvendedor FROM usuarios u
UNION ALL
SELECT 'QV-NUEVO-' || n, NULL FROM generate_series(1, 3) n;

-- Every seller pays the municipal tax and has the prize withholding.
INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto, muestramonitor, aplica_impuesto)
SELECT codvendedor, 'IMUN', 1.5, '1', 'Venta' FROM vendedor
UNION ALL
SELECT codvendedor, 'ISLR', 16, '1', 'Premio' FROM vendedor;

\ir comun/parametros.sql
